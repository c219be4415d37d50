// Message services.
#include "framework/messages.h"

#include <QLabel>
#include <QPointer>
#include <QStatusBar>

#include "base/user_interface.h"
#include "framework/modal_runner.h"

namespace kvx {

namespace {
QPointer<QStatusBar> g_statusBar;
int g_statusPanel = 0;
}  // namespace

MessageOptions& messageOptions() {
    static MessageOptions options;
    return options;
}

void setMessageStatusBar(QStatusBar* bar, int panel) {
    g_statusBar = bar;
    g_statusPanel = panel;
}

void showInformation(const QString& text) {
    if (messageOptions().messageBoxes)
        modalRunner().showMessage(MessageKind::Information, QString::fromUtf8(kTitleInformation), text);
    else
        showStatus(text);
}

void showError(const QString& title, const QString& text) {
    if (messageOptions().messageBoxes)
        modalRunner().showMessage(MessageKind::Error, title, text);
    else
        showStatus(text);
}

bool askYesNo(const QString& title, const QString& text) {
    if (!messageOptions().confirmations) {
        showStatus(text);
        return true;
    }
    return modalRunner().askQuestion(title, text);
}

void showStatus(const QString& text) {
    if (!g_statusBar) {
        modalRunner().showMessage(MessageKind::Information, QString::fromUtf8(kTitleInformation), text);
        return;
    }
    // Panels are labels in the status bar, in order.
    const auto panels = g_statusBar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    if (panels.isEmpty()) {
        g_statusBar->showMessage(QStringLiteral(" ") + text);
        return;
    }
    const int index = std::min<int>(g_statusPanel, static_cast<int>(panels.size()) - 1);
    panels[index]->setText(QStringLiteral(" ") + text);
    g_statusBar->repaint();
}

}  // namespace kvx
