// tzusatzform: the information form, a separate small window (caption "Info" until a page is shown)
// that shows one text page of details: a catalogue article, a My Articles entry or a booking document.
// It is 70 characters wide and as many text lines high as the page type asks.
#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>

#include "app/main_views.h"

namespace kvx {

class tzusatzform final : public QWidget {
    Q_OBJECT

  public:
    explicit tzusatzform(QWidget* mainWindow);

    // Sets title, type and page, sizes the form, shows and repaints it and gives the focus back to the
    // main window.
    void showPage(const InfoPage& page);
    void setDetailFont(const QFont& font);

    int pageType() const { return m_page.type; }
    // Title and lines, for the script driver.
    QStringList describe() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* m_mainWindow;
    InfoPage m_page;
    QFont m_font;
};

}  // namespace kvx
