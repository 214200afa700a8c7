#include "screens/Program.h"

#include "screens/auxiliary/Form2.h"
#include "screens/auxiliary/Form5.h"
#include "screens/auxiliary/Form6.h"
#include "screens/closing/Form4.h"
#include "screens/main/Form1.h"
#include "screens/second/Form3.h"
#include "toolkit/Label.h"
#include "toolkit/access/Accessibility.h"

#include <QCoreApplication>

#include <algorithm>

Program::Program(toolkit::Host& host, content::Script script) : m_host(host), m_script(script) {
    // Before the first screen is made, so that every control speaks as the layer has it speak.
    toolkit::installAccessibility();
    m_monotonic.start();
}

namespace {

// A locale (language[_territory][.codeset][@modifier]) or a language tag (language[-script][-region])
// that is Serbian in Cyrillic.
bool serbianInCyrillic(const QString& language) {
    const qsizetype at = language.indexOf(u'@');
    const QStringView modifier = at < 0 ? QStringView() : QStringView(language).sliced(at + 1);
    QStringView name = QStringView(language).first(at < 0 ? language.size() : at);
    if (const qsizetype dot = name.indexOf(u'.'); dot >= 0) {
        name = name.first(dot);
    }
    const QList<QStringView> parts = name.split(name.contains(u'-') ? u'-' : u'_');
    if (parts.first().compare(u"sr", Qt::CaseInsensitive) != 0) {
        return false;
    }
    if (modifier.compare(u"latin", Qt::CaseInsensitive) == 0) {
        return false;
    }
    return std::none_of(parts.begin() + 1, parts.end(),
                        [](QStringView part) { return part.compare(u"Latn", Qt::CaseInsensitive) == 0; });
}

} // namespace

content::Script Program::chooseScript(const QStringList& options, const QStringList& languages) {
    for (auto option = options.crbegin(); option != options.crend(); ++option) {
        if (*option == u"cyrillic") {
            return content::Script::Cyrillic;
        }
        if (*option == u"latin") {
            return content::Script::Latin;
        }
    }
    return std::any_of(languages.begin(), languages.end(), serbianInCyrillic) ? content::Script::Cyrillic
                                                                              : content::Script::Latin;
}

std::optional<bool> Program::highContrastByOptions(const QStringList& options) {
    for (auto option = options.crbegin(); option != options.crend(); ++option) {
        if (*option == u"high-contrast") {
            return true;
        }
        if (*option == u"no-high-contrast") {
            return false;
        }
    }
    return std::nullopt;
}

void Program::setLook(toolkit::Look look, const QPalette& highContrast) {
    m_look = look;
    m_highContrast = highContrast;
    m_style.follow(look);
    for (toolkit::Form* form :
         std::initializer_list<toolkit::Form*>{m_form1, m_form2, m_form3, m_form4, m_form5, m_form6}) {
        if (form) {
            form->setLook(m_look, m_highContrast);
        }
    }
}

Program::~Program() {
    // Screens unloaded but not yet deleted, and those still loaded, go with the program.
    for (toolkit::Form* form :
         std::initializer_list<toolkit::Form*>{m_form6, m_form5, m_form4, m_form3, m_form2, m_form1}) {
        delete form;
    }
    for (const QPointer<toolkit::Form>& form : std::as_const(m_going)) {
        delete form.data();
    }
}

void Program::start() {
    form2().show();
}

template <typename F> F& Program::screen(QPointer<F>& slot) {
    if (!slot) {
        slot = new F(*this);
        slot->setLook(m_look, m_highContrast);
        slot->load();
    }
    return *slot;
}

Form1& Program::form1() {
    return screen(m_form1);
}
Form2& Program::form2() {
    return screen(m_form2);
}
Form3& Program::form3() {
    return screen(m_form3);
}
Form4& Program::form4() {
    return screen(m_form4);
}
Form5& Program::form5() {
    return screen(m_form5);
}

toolkit::Form* Program::loaded(Screen which) const {
    switch (which) {
    case Screen::Form1:
        return m_form1;
    case Screen::Form2:
        return m_form2;
    case Screen::Form3:
        return m_form3;
    case Screen::Form4:
        return m_form4;
    case Screen::Form5:
        return m_form5;
    case Screen::Form6:
        return m_form6;
    }
    return nullptr;
}

bool Program::isLoaded(Screen which) const {
    return loaded(which) != nullptr;
}

void Program::unload(Screen which) {
    if (!isLoaded(which)) {
        return;
    }
    if (!m_unloading.contains(which)) {
        m_unloading.insert(which);
        runUnloadHandler(which);
    }
    destroy(which);
}

void Program::runUnloadHandler(Screen which) {
    switch (which) {
    case Screen::Form1:
    case Screen::Form3:
    case Screen::Form4:
    case Screen::Form5:
        unloadAllAndEnd();
        break;
    case Screen::Form2:
    case Screen::Form6:
        break;
    }
}

void Program::destroy(Screen which) {
    toolkit::Form* form = loaded(which);
    if (!form) {
        return;
    }
    switch (which) {
    case Screen::Form1:
        m_form1 = nullptr;
        break;
    case Screen::Form2:
        m_form2 = nullptr;
        break;
    case Screen::Form3:
        m_form3 = nullptr;
        break;
    case Screen::Form4:
        m_form4 = nullptr;
        break;
    case Screen::Form5:
        m_form5 = nullptr;
        break;
    case Screen::Form6:
        m_form6 = nullptr;
        break;
    }
    m_unloading.remove(which);
    m_going.removeAll(nullptr);
    m_going.append(form);
    form->unload();
}

void Program::unloadAllAndEnd() {
    for (Screen which :
         {Screen::Form6, Screen::Form5, Screen::Form4, Screen::Form3, Screen::Form2, Screen::Form1}) {
        unload(which);
    }
    end();
}

void Program::end() {
    if (m_ended) {
        return;
    }
    m_ended = true;
    for (Screen which :
         {Screen::Form6, Screen::Form5, Screen::Form4, Screen::Form3, Screen::Form2, Screen::Form1}) {
        destroy(which);
    }
    QCoreApplication::quit();
}

void Program::showAbout(toolkit::Form& owner) {
    destroy(Screen::Form6);
    m_form6 = new Form6(*this);
    m_form6->setLook(m_look, m_highContrast);
    m_form6->load();
    m_form6->showModal(&owner);
}

qint64 Program::now() const {
    return m_clockSource ? m_clockSource() : m_monotonic.elapsed();
}

void Program::catchUpClocks() {
    m_clocks.catchUpTo(now());
}

void Program::recordStepTime(toolkit::Label& cell) {
    catchUpClocks();
    cell.setCaption(m_clocks.stepText());
    m_clocks.zeroStep();
}

void Program::recordLastStepAndTotal(toolkit::Label& cell) {
    catchUpClocks();
    cell.setCaption(m_clocks.stepText());
    m_clocks.zeroStep();
    form5().Label25->setCaption(m_clocks.totalText());
}

void Program::writeTaskNumber(int task) {
    form1().results.writeNumber(task);
    form3().results.writeNumber(task);
    form4().results.writeNumber(task);
}

void Program::tickTask(int task, const toolkit::Picture& tick) {
    form1().results.tick(task, tick);
    form3().results.tick(task, tick);
    form4().results.tick(task, tick);
}
