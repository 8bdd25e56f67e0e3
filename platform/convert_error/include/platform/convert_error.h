// The exception raised where a text or a date cannot be converted (an
// impossible date, a text that is not a date or a number). The message is
// Shift-JIS text.
#ifndef PLATFORM_CONVERT_ERROR_H
#define PLATFORM_CONVERT_ERROR_H

#include <stdexcept>
#include <string>

// Default visibility, so that a handler in one module catches what another
// module raises even where that module hides its own symbols.
class __attribute__((visibility("default"))) EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message);
    ~EConvertError() override;
};

#endif
