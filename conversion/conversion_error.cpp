#include "conversion/conversion_error.h"

#include <cstring>

std::string ErrnoReason(int error) { return std::strerror(error); }
