#include "platform/convert_error.h"

EConvertError::EConvertError(const std::string& message) : std::runtime_error(message) {}

// Out of line, so that the class's type information has one home in each module.
EConvertError::~EConvertError() = default;
