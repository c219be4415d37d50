// TKowindow: the base of the program's main window. It brings two tagged scroll bars with remembered
// ranges, the stack of nested views with their caption path, the help commands of the Help menu and the
// main menu built from the application's menu tables. The view and scroll logic lives in the core
// (ViewStack, ScrollState); this class mirrors it onto the widgets.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <cstdint>

#include "framework/menu_builder.h"
#include "framework/model/menu_table.h"
#include "framework/model/view_stack.h"

namespace kvx {

class tkoscrollbar;

class TKowindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit TKowindow(QWidget* owner = nullptr, int windowNumber = 0);
    ~TKowindow() override;

    // Overridable steps. Call setupwindow once after construction (a constructor cannot reach the
    // derived class); an override calls the base first.
    virtual void setupwindow();
    virtual bool canclose();

    // ---- help ----
    void setHelpFile(const QString& name) { m_helpFile = name; }
    const QString& helpFile() const { return m_helpFile; }
    void setHelpEnabled(bool enabled) { m_helpEnabled = enabled; }
    bool helpEnabled() const { return m_helpEnabled; }
    void setHelpContext(int context) { m_helpContext = context; }
    int helpContext() const { return m_helpContext; }
    void setHelpKeyword(const QString& keyword) { m_helpKeyword = keyword; }
    // Commands 91, 92 and 93; each does nothing while help is disabled.
    void helpContents();
    void helpOnCurrentContext();
    void helpIndexSearch();
    // 0 does nothing; 1..999 with help enabled shows that topic; anything else says that there is no help.
    void showHelpContext(int context);

    // ---- scroll bars ----
    // Creates the window's bar of that orientation, hidden, with the range rule applied.
    tkoscrollbar* createScrollBar(int tag, Qt::Orientation orientation, int minimum, int maximum, int position,
                                  int largeChange, int smallChange);
    tkoscrollbar* scrollBar(Qt::Orientation orientation) const;
    // Stores and applies the range; the bar is hidden when the maximum ends up below 21, else shown.
    void setVerticalRange(int minimum, int maximum, int position, int largeChange, int smallChange);
    void setHorizontalRange(int minimum, int maximum, int position, int largeChange, int smallChange);
    // Writes the remembered positions back into the bars; they count as applied from now on.
    void applyPositions();
    const ScrollState& scrollState(Qt::Orientation orientation) const;
    // Set by a user scroll to a position other than the last applied one; cleared by the caller.
    bool scrollChanged(Qt::Orientation orientation) const;
    void clearScrollChanged(Qt::Orientation orientation);
    // With live tracking a drag reports every thumb position, else only the final one.
    void setLiveTracking(Qt::Orientation orientation, bool on);
    void setPageSizeOption(bool on) { m_pageSizeOption = on; }
    // What a user scroll to `position` does (also for the script driver).
    void userScroll(Qt::Orientation orientation, int position);

    // ---- views ----
    // Saves the current view, extends the caption path by `title`, sets the window caption, hides the
    // list control and, with `hideScrollBars`, both bars.
    virtual void enterView(std::uint16_t viewNumber, std::uint16_t menuNumber, const QString& title,
                           bool hideScrollBars);
    void enterViewWithRange(std::uint16_t viewNumber, std::uint16_t menuNumber, const QString& title,
                            bool hideScrollBars, int minimum, int maximum, int position, int largeChange,
                            int smallChange);
    // Returns to the saved view and re-shows what was visible there; false (nothing changed) when no
    // view is saved.
    virtual bool leaveView();
    const ViewStack& views() const { return m_views; }
    std::uint16_t viewNumber() const { return m_views.current().viewNumber; }
    std::uint16_t menuNumber() const { return m_views.current().menuNumber; }
    std::int32_t viewDatum() const { return m_views.current().datum; }
    void setViewDatum(std::int32_t datum) { m_views.current().datum = datum; }
    // The view the window starts in (no level is saved).
    void setStartView(std::uint16_t viewNumber, std::uint16_t menuNumber) {
        m_views.current().viewNumber = viewNumber;
        m_views.current().menuNumber = menuNumber;
    }
    QString captionPath() const { return QString::fromStdString(m_views.current().captionPath); }
    void setCaptionPath(const QString& path) { m_views.current().captionPath = path.toStdString(); }
    QString viewTitle() const { return QString::fromStdString(m_views.title()); }
    void setCaptionSuffix(const QString& suffix) { m_captionSuffix = suffix; }

    // The main list control whose visibility the views save and restore (not owned).
    void setListControl(QWidget* list) { m_list = list; }
    QWidget* listControl() const { return m_list; }

    // ---- menu ----
    // Builds the menu tree of `topMenu` and replaces the menu bar with it.
    void buildMainMenu(int topMenu, const MenuSource& source, int glyphCount, const MenuGlyphProvider& glyphs,
                       const MenuClickHandler& onClick);
    const MenuNode& menuTree() const { return m_menuTree; }

    // Repaints the client area (the window and its central widget).
    void repaintView();

  protected:
    // The window caption for a caption path: the path followed by the caption suffix.
    virtual QString composeCaption(const QString& path) const;
    // The topic display of the help engine; there is none on this platform, so the base says so.
    virtual void showHelpTopic(int context);

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Bar {
        tkoscrollbar* widget = nullptr;
        ScrollState state;
        bool changed = false;
        bool liveTracking = false;
    };

    Bar& bar(Qt::Orientation orientation);
    const Bar& bar(Qt::Orientation orientation) const;
    void setRange(Qt::Orientation orientation, const ScrollState& state, bool hideBelowMinimum);
    void captureWidgetState();
    void restoreWidgetState();
    void layoutScrollBars();
    void showNoHelp();

    int m_windowNumber;
    QString m_helpFile = QStringLiteral("WINHELP.HLP");
    bool m_helpEnabled = false;
    int m_helpContext = 0;
    QString m_helpKeyword;
    bool m_pageSizeOption = false;
    QString m_captionSuffix;
    Bar m_vertical;
    Bar m_horizontal;
    ViewStack m_views;
    QWidget* m_list = nullptr;
    QPointer<QWidget> m_watchedCentral;  // replaced central widgets are deleted by QMainWindow
    MenuNode m_menuTree;
};

}  // namespace kvx
