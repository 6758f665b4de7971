#include "app/run/TypedNumber.h"

#include "app/run/RunArguments.h"

TypedNumber TypedNumber::Judge(const std::string& text, int most, bool editing)
{
    TypedNumber typed;
    int value = 0;
    if (text.empty() && editing)
        typed.verdict = WAIT;
    else if (ParseRunArgument(text, value) && value >= 1) {
        typed.verdict = TAKE;
        typed.capped = value > most;
        typed.number = typed.capped ? most : value;
    }
    return typed;
}
