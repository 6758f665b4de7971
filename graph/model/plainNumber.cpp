#include "graph/model/plainNumber.h"

#include <cstdlib>
#include <locale.h>

double ReadPlainNumber(const std::string& number)
{
    static const locale_t plain = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, plain);
}
