#include "puzzle/generator.h"

#include "platform/random_source.h"

GeneratorResult generate(const QStringList &, int, int, std::int64_t, RandomSource &, const GeneratorProgress &)
{
    GeneratorResult result;
    result.noWords = true;
    return result;
}
