#pragma once

#include <array>

#include "TForm1.h"

namespace varo {

// The sentences of the NMEA 0183 output selection: each has a picture and a
// label that carry its tag (0 to 24; 11 belongs to no sentence).
struct OutputSentence {
    int tag;
    const char* code; // the label's caption; the picture is named code + "Image"
    const char* labelName;
    TClickableLabel* TForm1::*picture;
    TClickableLabel* TForm1::*label;
};

inline constexpr std::array<OutputSentence, 24> kOutputSentences{{
    {0, "GGA", "Label10", &TForm1::GGAImage, &TForm1::Label10},
    {1, "GLL", "Label11", &TForm1::GLLImage, &TForm1::Label11},
    {2, "GSA", "Label12", &TForm1::GSAImage, &TForm1::Label12},
    {3, "GSV", "Label13", &TForm1::GSVImage, &TForm1::Label13},
    {4, "RMC", "Label15", &TForm1::RMCImage, &TForm1::Label15},
    {5, "VTG", "Label14", &TForm1::VTGImage, &TForm1::Label14},
    {6, "ZDA", "Label16", &TForm1::ZDAImage, &TForm1::Label16},
    {7, "ROT", "Label17", &TForm1::ROTImage, &TForm1::Label17},
    {8, "HDT", "Label18", &TForm1::HDTImage, &TForm1::Label18},
    {9, "HDG", "Label19", &TForm1::HDGImage, &TForm1::Label19},
    {10, "VDM", "Label21", &TForm1::VDMImage, &TForm1::Label21},
    {12, "DSC", "Label22", &TForm1::DSCImage, &TForm1::Label22},
    {13, "RSA", "Label23", &TForm1::RSAImage, &TForm1::Label23},
    {14, "VHW", "Label24", &TForm1::VHWImage, &TForm1::Label24},
    {15, "VLW", "Label25", &TForm1::VLWImage, &TForm1::Label25},
    {16, "DPT", "Label26", &TForm1::DPTImage, &TForm1::Label26},
    {17, "DBT", "Label27", &TForm1::DBTImage, &TForm1::Label27},
    {18, "XTE", "Label28", &TForm1::XTEImage, &TForm1::Label28},
    {19, "APB", "Label29", &TForm1::APBImage, &TForm1::Label29},
    {20, "VWR", "Label30", &TForm1::VWRImage, &TForm1::Label30},
    {21, "MWV", "Label31", &TForm1::MWVImage, &TForm1::Label31},
    {22, "MWD", "Label32", &TForm1::MWDImage, &TForm1::Label32},
    {23, "MTW", "Label33", &TForm1::MTWImage, &TForm1::Label33},
    {24, "VDR", "Label20", &TForm1::VDRImage, &TForm1::Label20},
}};

} // namespace varo
