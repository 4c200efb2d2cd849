// The text of bands --help: usage, the colour table (taken from the colour
// code's own tables), markings, values and examples. No line is wider than
// 80 columns.
#pragma once

#include "output.h"

void WriteHelp(Output& out);
