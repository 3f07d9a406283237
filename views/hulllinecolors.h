#pragma once
// The edit-handle colour of each hull line, by its index modulo 5. Qt-free.

#include "model/hull/design.h"

namespace views {

void assignHullLineColors(model::Design& design);

}  // namespace views
