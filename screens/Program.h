#pragma once

#include "content/Script.h"
#include "course/Clocks.h"
#include "toolkit/Look.h"
#include "toolkit/Picture.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>
#include <optional>

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;

namespace toolkit {
class Form;
class Host;
class Label;
} // namespace toolkit

// The program: owns the six screens, each created on first use and hidden until shown, the step and
// course clocks, and the host that shows message boxes and opens addresses. Everything that lasts
// for the whole run lives here, so a new Program is a new run.
class Program : public QObject {
    Q_OBJECT
  public:
    enum class Screen { Form1, Form2, Form3, Form4, Form5, Form6 };

    explicit Program(toolkit::Host& host, content::Script script = content::Script::Latin);

    // The script of a run: the last of the options "cyrillic" and "latin" given, else Cyrillic when any of
    // the desktop's languages is Serbian in Cyrillic: a locale of the form sr_RS.UTF-8 unless its
    // modifier is "@latin", a language tag of the form sr-Cyrl-RS, or a Serbian one that names no script
    // (Cyrillic is Serbian's first script). Every other language, and none, gives Latin.
    static content::Script chooseScript(const QStringList& options, const QStringList& languages);
    // Whether a run is in high contrast: the last of the options "high-contrast" and "no-high-contrast"
    // given, else whether the desktop asks for it. Nothing is given when an option decided it, so that a
    // change of the desktop's setting leaves the run as the pupil asked.
    static std::optional<bool> highContrastByOptions(const QStringList& options);
    ~Program() override;

    // Shows the splash screen, the first window of a run.
    void start();

    Form1& form1();
    Form2& form2();
    Form3& form3();
    Form4& form4();
    Form5& form5();
    bool isLoaded(Screen screen) const;
    toolkit::Form* loaded(Screen screen) const;

    // Unloads a screen: its own unload handler runs first (once), then it goes. Nothing happens when
    // the screen is not loaded.
    void unload(Screen screen);
    // The order in which closing any lesson or results window takes the program down, ending it.
    void unloadAllAndEnd();
    // Ends the program: every screen still loaded goes and the application quits.
    void end();
    bool ended() const { return m_ended; }

    // A fresh About screen, modal over the screen that asked for it.
    void showAbout(toolkit::Form& owner);

    toolkit::Host& host() { return m_host; }

    // The look every screen is shown in, and its colours in high contrast: every screen loaded takes it at
    // once, without losing anything typed, picked, marked or timed, and every screen made later too.
    void setLook(toolkit::Look look, const QPalette& highContrast = {});
    toolkit::Look look() const { return m_look; }

    // A fixed text of the course in the script of this run.
    content::Script script() const { return m_script; }
    QString shown(const QString& latin) const { return content::inScript(m_script, latin); }

    // The clocks, and the monotonic time they follow, in milliseconds. Tests set their own source.
    course::Clocks& clocks() { return m_clocks; }
    qint64 now() const;
    void setClockSource(std::function<qint64()> source) { m_clockSource = std::move(source); }

    // Counts on both clocks every whole second that has passed, as the one-second tick does.
    void catchUpClocks();
    // Writes the step clock into a time cell of the results screen and zeroes the step clock. The
    // clocks catch up first, so the cell counts every whole second up to the press that ends the step,
    // however late the last tick was; the part of a second under way belongs to the next step.
    void recordStepTime(toolkit::Label& cell);
    // At the end of the course: the clocks catch up once, then the last step's time goes into `cell` and the
    // course clock into the total cell, so the total is always the sum of the steps.
    void recordLastStepAndTotal(toolkit::Label& cell);

    // A task's row on every lesson screen that carries it: the number before the task is judged,
    // the tick picture once it is solved.
    void writeTaskNumber(int task);
    void tickTask(int task, const toolkit::Picture& tick);

  private:
    template <typename F> F& screen(QPointer<F>& slot);
    void runUnloadHandler(Screen screen);
    void destroy(Screen screen);

    toolkit::Host& m_host;
    const content::Script m_script;
    toolkit::Look m_look = toolkit::Look::Design;
    toolkit::LookStyle m_style;
    QPalette m_highContrast;
    course::Clocks m_clocks;
    QElapsedTimer m_monotonic;
    std::function<qint64()> m_clockSource;
    QPointer<Form1> m_form1;
    QPointer<Form2> m_form2;
    QPointer<Form3> m_form3;
    QPointer<Form4> m_form4;
    QPointer<Form5> m_form5;
    QPointer<Form6> m_form6;
    QList<QPointer<toolkit::Form>> m_going; // unloaded, deleted once their handlers have returned
    QSet<Screen> m_unloading;
    bool m_ended = false;
};
