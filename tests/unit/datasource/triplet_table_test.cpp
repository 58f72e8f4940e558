#include "datasource/triplet_table.h"

#include <gtest/gtest.h>

#include <string>

namespace z8 {
namespace {

struct Expectation {
    TW_UINT32 dg;
    TW_UINT16 dat, msg;
    const char* states;  // the states that accept it, e.g. "456"
};

// Written from the source's documented state table, not from the code.
const Expectation kServed[] = {
    {DG_CONTROL, DAT_IDENTITY, MSG_GET, "34567"},
    {DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, "3"},
    {DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, "4"},
    {DG_CONTROL, DAT_STATUS, MSG_GET, "34567"},
    {DG_CONTROL, DAT_CAPABILITY, MSG_GET, "34567"},
    {DG_CONTROL, DAT_CAPABILITY, MSG_SET, "34567"},
    {DG_CONTROL, DAT_CAPABILITY, MSG_QUERYSUPPORT, "34567"},
    {DG_CONTROL, DAT_CUSTOMDSDATA, MSG_SET, "34567"},
    {DG_IMAGE, DAT_GRAYRESPONSE, MSG_SET, "34567"},
    {DG_IMAGE, DAT_RGBRESPONSE, MSG_RESET, "34567"},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, "4"},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, "567"},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, "4567"},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, "67"},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, "567"},
    {DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, "456"},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GET, "456"},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, "456"},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GETDEFAULT, "456"},
    {DG_CONTROL, DAT_XFERGROUP, MSG_GET, "456"},
    {DG_CONTROL, DAT_XFERGROUP, MSG_SET, "456"},
    {DG_IMAGE, DAT_PALETTE8, MSG_GET, "456"},
    {DG_IMAGE, DAT_PALETTE8, MSG_RESET, "456"},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, "34567"},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETCURRENT, "34567"},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETDEFAULT, "34567"},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, "34"},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_RESET, "34"},
    // Held over for applications that read it after the transfer.
    {DG_IMAGE, DAT_IMAGEINFO, MSG_GET, "67"},
    {DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, "6"},
    {DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, "6"},
    {DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, "34567"},
};

TEST(TripletTable, EveryServedTripletInExactlyItsStates) {
    for (const Expectation& e : kServed) {
        for (int state = 3; state <= 7; ++state) {
            const bool accepted =
                std::string(e.states).find(char('0' + state)) != std::string::npos;
            EXPECT_EQ(CheckTriplet(e.dg, e.dat, e.msg, state),
                      accepted ? TripletCheck::Accepted : TripletCheck::SeqError)
                << e.dg << "/" << e.dat << "/" << e.msg << " in state " << state;
        }
    }
}

TEST(TripletTable, WrongMessagesAndUnknownTripletsAreBadProtocolInAnyState) {
    const Expectation refused[] = {
        {DG_CONTROL, DAT_IDENTITY, MSG_SET, ""},
        {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDSUIONLY, ""},
        {DG_CONTROL, DAT_STATUS, MSG_SET, ""},
        {DG_CONTROL, DAT_PENDINGXFERS, MSG_SET, ""},
        {DG_CONTROL, DAT_SETUPMEMXFER, MSG_SET, ""},
        {DG_IMAGE, DAT_PALETTE8, MSG_GETCURRENT, ""},
        {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETFIRST, ""},
        {DG_IMAGE, DAT_IMAGEINFO, MSG_SET, ""},
        {DG_CONTROL, DAT_EVENT, MSG_GET, ""},
        {DG_CONTROL, DAT_PARENT, MSG_OPENDSM, ""},
        {DG_CONTROL, DAT_DEVICEEVENT, MSG_GET, ""},
        {DG_IMAGE, DAT_CIECOLOR, MSG_GET, ""},
        {DG_IMAGE, DAT_JPEGCOMPRESSION, MSG_GET, ""},
        {DG_AUDIO, DAT_IDENTITY, MSG_GET, ""},
    };
    for (const Expectation& e : refused) {
        for (int state = 3; state <= 7; ++state) {
            EXPECT_EQ(CheckTriplet(e.dg, e.dat, e.msg, state), TripletCheck::BadProtocol)
                << e.dg << "/" << e.dat << "/" << e.msg << " in state " << state;
        }
    }
}

}  // namespace
}  // namespace z8
