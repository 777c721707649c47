#include "converter/console_text.h"

#include <QCoreApplication>

std::string Tr(const char* source) {
    return QCoreApplication::translate("Pellimorph", source).toStdString();
}

std::string Arg(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto number = static_cast<size_t>(text[i + 1] - '1');
            if (number < values.size()) {
                result.append(values.begin()[number]);
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}
