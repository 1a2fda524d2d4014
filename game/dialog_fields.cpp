#include <string>

#include "game/ui.h"

FieldCheck ValidateNumberField(const NumberField& field, const std::string& text)
{
    FieldCheck check;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    bool digits = i < text.size();
    // Digits beyond what a 64-bit value holds only push it further out of bounds.
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            digits = false;
            break;
        }
        if (value < 100000000000LL)
            value = value * 10 + (text[i] - '0');
    }
    if (!digits) {
        check.message = "Please enter an integer.";
        return check;
    }
    if (negative)
        value = -value;
    if (value < field.lower || value > field.upper) {
        check.message = "Please enter an integer between " + std::to_string(field.lower) + " and " +
                        std::to_string(field.upper) + ".";
        return check;
    }
    check.valid = true;
    check.value = static_cast<std::int32_t>(value);
    return check;
}
