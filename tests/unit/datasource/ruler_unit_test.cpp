#include "datasource/ruler_unit.h"

#include <gtest/gtest.h>

namespace z8 {
namespace {

TEST(RulerUnit, ByPrimaryLanguageWhateverTheSublanguage) {
    // fr-FR, fr-CA, de-CH, es-MX, it-IT, nl-BE in centimetres.
    for (uint16_t id : {0x040C, 0x0C0C, 0x0807, 0x080A, 0x0410, 0x0813}) {
        EXPECT_EQ(RulerUnitForLanguage(id), 1) << std::hex << id;
    }
    // en-US, en-GB, pt-BR, ja-JP in inches; the sublanguage bits never count.
    for (uint16_t id : {0x0409, 0x0809, 0x0416, 0x0411, 0xFC09}) {
        EXPECT_EQ(RulerUnitForLanguage(id), 0) << std::hex << id;
    }
}

}  // namespace
}  // namespace z8
