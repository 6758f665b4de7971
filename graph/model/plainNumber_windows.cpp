#include "graph/model/plainNumber.h"

#include <cstdlib>
#include <locale.h>

// Windows' C library names its locales its own way.
double ReadPlainNumber(const std::string& number)
{
    static const _locale_t plain = _create_locale(LC_NUMERIC, "C");
    return _strtod_l(number.c_str(), nullptr, plain);
}
