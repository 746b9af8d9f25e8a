#include "report/FontSubstitutes.h"

#include <QFont>

namespace gw::report {

void installFontSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
        return true;
    }();
    (void)installed;
}

} // namespace gw::report
