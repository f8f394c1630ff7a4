// How callbacks read their variables and write their texts.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "module.h"

namespace gauge {

FLOAT64 realValue(const ModuleVariable& variable) {
    FLOAT64 value;
    std::memcpy(&value, variable.value, sizeof value);
    return value;
}

SINT32 integerValue(const ModuleVariable& variable) {
    SINT32 value;
    std::memcpy(&value, variable.value, sizeof value);
    return value;
}

void writeText(StringElement* element, const char* format, ...) {
    if (element->textBuffer == nullptr || element->textBufferSize == 0) return;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(element->textBuffer, element->textBufferSize, format, arguments);
    va_end(arguments);
    // Some C runtimes leave a cut text unterminated.
    element->textBuffer[element->textBufferSize - 1] = '\0';
}

}  // namespace gauge
