#include "message.h"

namespace model {

std::string FillIn(std::string text, const std::string &placeholder, const std::string &value) {
    if (placeholder.empty()) return text;
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
    return text;
}

} // namespace model
