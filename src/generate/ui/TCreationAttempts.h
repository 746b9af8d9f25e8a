#pragma once

#include "generate/BuildObserver.h"
#include "generate/Generator.h"
#include "ui/AppContext.h"
#include "ui/TWindow.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QPushButton;

namespace gw::generate {

// The progress window of a run of more than one attempt: runs BuildPuzzles once when it first
// becomes active, shows the attempt in progress and lets the user abort after any attempt.
class TCreationAttempts : public app::TWindow, private BuildObserver
{
    Q_OBJECT

public:
    TCreationAttempts(app::AppContext &context, QWidget *parent = nullptr);

    // Replaces the time-of-day seed, so a run gives a known result.
    void setSeed(std::uint32_t seed) { m_seed = seed; }
    // Called as each attempt starts, after line 1 shows its number; tests click Abort from it.
    void setAttemptHook(std::function<void(int attempt)> hook) { m_attemptHook = std::move(hook); }

    QString line1() const { return m_line1; }
    QString line2() const { return m_line2; }
    // How the run ended; empty until it has run.
    std::optional<BuildOutcome> outcome() const { return m_outcome; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private Q_SLOTS:
    void CancelClick();

private:
    void attemptStarting(int attempt) override;
    void processEvents() override;
    bool abortRequested() override { return m_abort; }

    void FormShow() override;
    void FormActivate();
    void setLine1(const QString &text);
    void setLine2(const QString &text);
    bool running() const;

    QPushButton *m_cancel = nullptr;
    QString m_line1;
    QString m_line2;
    bool m_abort = false;
    bool m_started = false;
    std::optional<std::uint32_t> m_seed;
    std::function<void(int)> m_attemptHook;
    std::optional<BuildOutcome> m_outcome;
};

} // namespace gw::generate
