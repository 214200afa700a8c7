#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QMessageBox;

namespace toolkit {

// The program's two contacts with the world outside its windows: the message box and the desktop
// shell that opens a web address. The application talks to the real desktop; tests record the calls.
class Host {
  public:
    virtual ~Host() = default;
    // Style as the message box knows it: 48 is an exclamation icon with a single OK button.
    virtual void messageBox(QWidget* owner, const QString& prompt, const QString& title, int style) = 0;
    // Asks the desktop to open the address with its default handler; the outcome is not reported.
    virtual void openAddress(const QString& address) = 0;
};

// Real dialogs and the desktop. The message box is window-modal and does not block the caller; while
// one is up, no second one opens.
class DesktopHost final : public Host {
  public:
    void messageBox(QWidget* owner, const QString& prompt, const QString& title, int style) override;
    void openAddress(const QString& address) override;

  private:
    QPointer<QMessageBox> m_open;
};

// Remembers every call and never blocks: the host of the tests and the benchmarks.
class RecordingHost final : public Host {
  public:
    struct Message {
        QString prompt;
        QString title;
        int style = 0;
        QString owner;
    };
    void messageBox(QWidget* owner, const QString& prompt, const QString& title, int style) override;
    void openAddress(const QString& address) override;

    QList<Message> messages;
    QStringList addresses;
};

} // namespace toolkit
