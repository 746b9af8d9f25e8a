#include "ui/ChoiceDialogs.h"
#include "uisupport/UiTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace gw;

class FontColourDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void okReturnsFontStylesAndChosenColour();
    void cancelledChoicesChangeNothing();
    void escapeInTheFontBoxCancelsTheWholeDialog();
};

namespace {

// Runs the real font dialog through chooseFont and works it, once it is shown, with the given
// steps; the steps close it.  A dialog that never shows is cancelled.
std::optional<app::FontChoice> runDialog(const app::FontChoice &preset, const QString &title,
    const std::function<void(app::FontColourDialog &)> &steps)
{
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<app::FontColourDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (QTest::qWaitForWindowExposed(dialog))
            steps(*dialog);
        else
            dialog->reject();
    });
    return app::chooseFont(nullptr, preset, title);
}

QCheckBox *effect(app::FontColourDialog &dialog, const QString &text)
{
    for (QCheckBox *box : dialog.fontBox()->findChildren<QCheckBox *>())
        if (box->text().remove(QLatin1Char('&')) == text)
            return box;
    return nullptr;
}

app::FontChoice preset()
{
    QFont font(QFontDatabase::families().value(0), 14);
    font.setItalic(true);
    return { font, QColor(0xFF, 0, 0) };
}

} // namespace

// The dialog opens on the preset font and colour; the colour button opens the colour dialog on
// the current colour; OK returns the font with its effects and the chosen colour.
void FontColourDialogTest::okReturnsFontStylesAndChosenColour()
{
    QList<QColor> colourPresets;
    app::setColourDialogSeam([&](QWidget *, const QColor &current) {
        colourPresets << current;
        return std::optional<QColor>(QColor(0x12, 0x34, 0x56));
    });
    const auto chosen = runDialog(preset(), "Text Font", [&](app::FontColourDialog &dialog) {
        effect(dialog, "Underline")->click();
        effect(dialog, "Strikeout")->click();
        test::clickButton(dialog, "ColorButton");
        test::saveScreenshot(&dialog, "FontColourDialog");
        test::clickButton(dialog, "OkButton");
    });
    app::setColourDialogSeam({});
    QCOMPARE(colourPresets, QList<QColor>({ QColor(0xFF, 0, 0) }));
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->colour, QColor(0x12, 0x34, 0x56));
    QCOMPARE(chosen->font.family(), preset().font.family());
    QVERIFY(chosen->font.italic() && chosen->font.underline() && chosen->font.strikeOut());
}

// A cancelled colour dialog keeps the colour; Cancel returns nothing.  A preset without a colour
// starts on black.
void FontColourDialogTest::cancelledChoicesChangeNothing()
{
    app::setColourDialogSeam([](QWidget *, const QColor &) { return std::optional<QColor>(); });
    QColor kept;
    const auto cancelled = runDialog(preset(), QString(), [&](app::FontColourDialog &dialog) {
        test::clickButton(dialog, "ColorButton");
        kept = dialog.choice().colour;
        test::clickButton(dialog, "CancelButton");
    });
    app::setColourDialogSeam({});
    QVERIFY(!cancelled.has_value());
    QCOMPARE(kept, QColor(0xFF, 0, 0));

    const auto black = runDialog({ preset().font, QColor() }, QString(),
        [](app::FontColourDialog &dialog) { test::clickButton(dialog, "OkButton"); });
    QVERIFY(black.has_value());
    QCOMPARE(black->colour, QColor(Qt::black));
}

// Escape typed in the font box closes the whole dialog as cancelled, not the box alone.
void FontColourDialogTest::escapeInTheFontBoxCancelsTheWholeDialog()
{
    bool boxShown = false;
    bool closed = false;
    const auto chosen = runDialog(preset(), QString(), [&](app::FontColourDialog &dialog) {
        boxShown = dialog.fontBox()->isVisible();
        QTest::keyClick(dialog.fontBox(), Qt::Key_Escape);
        closed = !dialog.isVisible();
        if (!closed)
            dialog.reject();
    });
    QVERIFY(boxShown);
    QVERIFY(closed);
    QVERIFY(!chosen.has_value());
}

QTEST_MAIN(FontColourDialogTest)
#include "tst_FontColourDialog.moc"
