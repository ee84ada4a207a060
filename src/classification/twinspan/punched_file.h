#pragma once
// The machine-readable classification file (.PUN): the title, then every
// classified sample and every classified species with its class number and
// its code of 0s and 1s behind a "*", in fixed columns with CR LF line ends.

#include <string>

#include "classification/twinspan/condensed_data.h"
#include "classification/twinspan/twinspan.h"

namespace zembu::classification::twinspan {

// The file's bytes; empty when the run stopped before classifying.
std::string punchedFileText(const CondensedData& data, const TwinspanResult& result);

}  // namespace zembu::classification::twinspan
