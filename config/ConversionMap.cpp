#include "config/ConversionMap.h"

namespace varo {
namespace {

constexpr std::int32_t GGA = 200000, GLL = 200001, GSA = 200003, GSV = 200004, RMC = 200005,
                       VTG = 200006, ZDA = 200007, ROT = 200009, HDT = 200010, HDG = 200011,
                       VDM = 200028, VDO = 200029, DSC = 200031, RSA = 200055, VHW = 200056,
                       VLW = 200057, DPT = 200058, DBT = 200059, XTE = 200060, APB = 200061,
                       VWR = 200064, MWV = 200065, MWD = 200066, MTW = 200067, VDR = 200068;
constexpr std::int32_t kRmcContinuation = 200069;
constexpr std::int32_t kUnnamedSentence = 200063;
constexpr std::int32_t kUnnamedPgn = 130053;

constexpr std::array<ConversionRow, kConversionRowCount> kRows = {{
    {RMC, 5, {129025, 129026, 129029, 129033, ConversionContinued}},
    {kRmcContinuation, 3, {126992, 127250, 127258}},
    {GSA, 2, {129029, 129539}},
    {GGA, 5, {129025, 126992, 129033, 129539, 129029}},
    {GSV, 1, {129540}},
    {GLL, 4, {129025, 129029, 129033, 126992}},
    {VTG, 1, {129026}},
    {ZDA, 3, {129029, 129033, 126992}},
    {129025, 3, {GGA, GLL, RMC}},
    {129029, 5, {GGA, GLL, GSA, RMC, ZDA}},
    {129033, 4, {GGA, GLL, RMC, ZDA}},
    {129539, 2, {GGA, GSA}},
    {126992, 4, {GGA, GLL, RMC, ZDA}},
    {129540, 2, {GSA, GSV}},
    {129041, 1, {VDM}},
    {129806, 1, {VDM}},
    {129807, 1, {VDM}},
    {129809, 1, {VDM}},
    {129810, 1, {VDM}},
    {129026, 2, {RMC, VTG}},
    {127250, 4, {HDG, VHW, HDT, RMC}},
    {127258, 2, {RMC, HDG}},
    {HDG, 2, {127258, 127250}},
    {HDT, 1, {127250}},
    {VDM, 1, {ConversionAll}},
    {129038, 1, {VDM}},
    {129793, 1, {VDM}},
    {129794, 1, {VDM}},
    {129039, 1, {VDM}},
    {129805, 1, {VDM}},
    {129795, 1, {VDM}},
    {129796, 1, {VDM}},
    {129797, 1, {VDM}},
    {129798, 1, {VDM}},
    {129800, 1, {VDM}},
    {129801, 1, {VDM}},
    {129802, 1, {VDM}},
    {129803, 1, {VDM}},
    {129804, 1, {VDM}},
    {129792, 1, {VDM}},
    {129040, 1, {VDM}},
    {VDO, 1, {ConversionAll}},
    {DSC, 1, {129808}},
    {129808, 1, {DSC}},
    {RSA, 1, {127245}},
    {127245, 1, {RSA}},
    {VHW, 2, {128259, 127250}},
    {VLW, 1, {128275}},
    {128275, 1, {VLW}},
    {128259, 2, {VHW, VTG}},
    {DPT, 1, {128267}},
    {DBT, 1, {128267}},
    {128267, 2, {DPT, DBT}},
    {XTE, 1, {129283}},
    {APB, 2, {129283, 129284}},
    {129283, 2, {XTE, APB}},
    {129284, 1, {APB}},
    {kUnnamedSentence, 1, {kUnnamedPgn}},
    {kUnnamedPgn, 1, {kUnnamedSentence}},
    {ROT, 1, {127251}},
    {127251, 1, {ROT}},
    {VWR, 1, {130306}},
    {MWV, 1, {130306}},
    {MWD, 1, {130306}},
    {130306, 3, {MWV, MWD, VWR}},
    {MTW, 2, {130311, 130312}},
    {130311, 1, {MTW}},
    {130312, 1, {MTW}},
    {129291, 1, {VDR}},
    {VDR, 1, {129291}},
}};

// Every row lists exactly `count` identifiers, zeros after them, and keys are unique.
constexpr bool RowsAreConsistent() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const ConversionRow& row = kRows[i];
        if (row.count < 1 || row.count > 5) {
            return false;
        }
        for (int k = 0; k < 5; ++k) {
            if ((k < row.count) != (row.related[k] != 0)) {
                return false;
            }
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (kRows[j].key == row.key) {
                return false;
            }
        }
    }
    return true;
}
static_assert(kRows.size() == 70, "the conversion map has 70 rows");
static_assert(RowsAreConsistent(),
              "conversion rows: count matches the listed identifiers, keys unique");

} // namespace

constinit const std::array<ConversionRow, kConversionRowCount> ConversionMap = kRows;

const ConversionRow* FindConversionRow(std::int32_t key) {
    for (const ConversionRow& row : ConversionMap) {
        if (row.key == key) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace varo
