#include "toolkit/Host.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace toolkit {

namespace {

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void DesktopHost::messageBox(QWidget* owner, const QString& prompt, const QString& title, int style) {
    if (m_open) {
        return;
    }
    auto* box = new QMessageBox(iconOf(style), title, prompt, QMessageBox::Ok, owner);
    m_open = box;
    box->setObjectName(QStringLiteral("MessageBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    // In the colours of the window it stands over, high contrast included.
    box->setAttribute(Qt::WA_WindowPropagation);
    box->setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    box->show();
}

void DesktopHost::openAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

void RecordingHost::messageBox(QWidget* owner, const QString& prompt, const QString& title, int style) {
    messages.append({prompt, title, style, owner ? owner->objectName() : QString()});
}

void RecordingHost::openAddress(const QString& address) {
    addresses.append(address);
}

} // namespace toolkit
