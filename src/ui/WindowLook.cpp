#include "ui/WindowLook.h"

#include "render/TextConversion.h"
#include "ui/ScreenScale.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QWidget>

namespace gw::app {

namespace {

constexpr const char *DesignGeometry = "gwDesignGeometry";
constexpr const char *DesignFontPixelsProperty = "gwDesignFontPixels";

void rememberDesign(QWidget *widget)
{
    if (!widget->property(DesignGeometry).isValid())
        widget->setProperty(DesignGeometry, widget->geometry());
    if (!widget->property(DesignFontPixelsProperty).isValid()) {
        const int pixels = widget->font().pixelSize() > 0 ? widget->font().pixelSize() : DesignFontPixels;
        widget->setProperty(DesignFontPixelsProperty, pixels);
    }
}

void applyFontSetting(QWidget *widget, const model::FontSetting &setting, bool withColour)
{
    QFont font = widget->font();
    font.setFamily(toQString(setting.name));
    font.setBold(setting.bold);
    font.setItalic(setting.italic);
    widget->setFont(font);
    if (withColour) {
        QPalette palette = widget->palette();
        const QColor colour = colourFromWindows(static_cast<std::uint32_t>(setting.colour));
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        palette.setColor(QPalette::ButtonText, colour);
        widget->setPalette(palette);
    }
}

// Labels, check boxes and radio buttons take the label font with its colour; lists and group
// boxes its name and style; edits, grids and combo boxes the edit font; buttons the button font.
void applyUserFont(QWidget *widget, const UserFonts &fonts)
{
    if (widget->property("gwKeepFont").toBool())
        return;
    if (qobject_cast<QLabel *>(widget) || qobject_cast<QCheckBox *>(widget)
        || qobject_cast<QRadioButton *>(widget))
        applyFontSetting(widget, fonts.label, true);
    else if (qobject_cast<QListWidget *>(widget) || qobject_cast<QGroupBox *>(widget))
        applyFontSetting(widget, fonts.label, false);
    else if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget)
        || qobject_cast<QTableWidget *>(widget))
        applyFontSetting(widget, fonts.edit, true);
    else if (qobject_cast<QPushButton *>(widget))
        applyFontSetting(widget, fonts.button, false);
}

void scaleWidget(QWidget *widget, double factor)
{
    rememberDesign(widget);
    const QRect design = widget->property(DesignGeometry).toRect();
    widget->setGeometry(scaled(design.x(), factor), scaled(design.y(), factor),
        scaled(design.width(), factor), scaled(design.height(), factor));
    QFont font = widget->font();
    font.setPixelSize(std::max(1, scaled(widget->property(DesignFontPixelsProperty).toInt(), factor)));
    widget->setFont(font);
}

// The controls a window placed itself carry object names; the parts Qt builds inside them
// (viewports, scroll bars, headers) are left to their owners.
bool isDesignedControl(const QWidget *widget)
{
    const QString name = widget->objectName();
    return !widget->isWindow() && !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

void centre(QWidget *window, int raise)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    const int left = (available.width() - window->width()) / 2;
    const int top = std::max(0, (available.height() - window->height()) / 2 - raise);
    window->move(available.x() + std::max(0, left), available.y() + top);
}

} // namespace

void scaleAndCentre(QWidget *window, double factor, int raise)
{
    if (!window->property(DesignGeometry).isValid())
        window->setProperty(DesignGeometry, QRect(QPoint(0, 0), window->size()));
    const QSize design = window->property(DesignGeometry).toRect().size();
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (isDesignedControl(child))
            scaleWidget(child, factor);
    }
    window->setFixedSize(scaled(design.width(), factor), scaled(design.height(), factor));
    centre(window, raise);
}

void applyWindowLook(QWidget *window, const UserFonts &fonts, double factor, int raise)
{
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children) {
        if (isDesignedControl(child))
            applyUserFont(child, fonts);
    }
    scaleAndCentre(window, factor, raise);
}

void centreOnScreen(QWidget *window, int raise)
{
    centre(window, raise);
}

QFont designFont(const QString &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace gw::app
