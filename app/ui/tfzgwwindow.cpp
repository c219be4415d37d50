// The main window.
#include "app/ui/tfzgwwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QSysInfo>
#include <QThread>
#include <QVBoxLayout>

#include "app/catalogue_commands.h"
#include "app/menus.h"
#include "app/startup.h"
#include "app/ui/tzusatzform.h"
#include "app/ui/view_canvas.h"
#include "base/command_numbers.h"
#include "base/cp1252.h"
#include "base/io_error.h"
#include "framework/dialog_options.h"
#include "framework/messages.h"
#include "framework/modal_runner.h"
#include "framework/tkolistview.h"
#include "framework/tkosplitter.h"
#include "framework/tkotreeview.h"
#include "settings/program_fonts.h"
#include "settings/settings_command_table.h"

namespace kvx {

namespace {
constexpr int kStatusWidths[4] = {120, 120, 240, 240};
constexpr int kMessagePanel = 2;
constexpr int kTreeWidth = 300;
}  // namespace

// The window as the dispatcher sees it.
class tfzgwwindow::Port final : public WindowPort {
  public:
    explicit Port(tfzgwwindow& w) : m_w(w) {}
    int currentView() const override { return m_w.viewNumber(); }
    void enterView(int view, int menu, const std::string& title) override { m_w.portEnterView(view, menu, title); }
    bool leaveView() override { return m_w.portLeaveView(); }
    void showList(int kind, bool withTree) override { m_w.showListControl(kind, withTree); }
    void hideList() override { m_w.hideListControl(); }
    void showPageBesideList(const TextPage& page, int kind) override { m_w.showPageBesideListControl(page, kind); }
    int visibleListKind() const override { return m_w.visibleListKind(); }
    int lastListKindOf(int view) const override { return m_w.lastListKindOf(view); }
    void fillList(const ListContent& content) override { m_w.fillListControl(content); }
    void setTree(const GroupTree& tree) override { m_w.setTreeNodes(tree); }
    void selectTreeNode(std::uint32_t data) override { m_w.m_tree->selectNode(static_cast<std::int32_t>(data), true); }
    void showInformationPage(const InfoPage& page) override { m_w.m_info->showPage(page); }
    void notImplemented() override { m_w.notImplementedBox(); }
    void refreshStatusPanels() override { m_w.refreshStatusPanels(); }
    void fontsChanged() override {
        m_w.applyFonts();
        m_w.updateClient();
    }
    void settingsChanged() override { m_w.settingsChanged(); }
    void repaint() override {
        m_w.updateClient();
        m_w.repaintView();
    }
    void closeWindow() override { m_w.close(); }
    void help(int command) override { m_w.help(command); }

  private:
    tfzgwwindow& m_w;
};

tfzgwwindow::tfzgwwindow(FileSystem& fs, const Clock& clock, const std::string& programDir, Options options)
    : TKowindow(nullptr, 1),
      m_app(std::make_unique<AppState>(fs, clock, programDir)),
      m_ui(this),
      m_searchDialogs(this),
      m_settingsDialogs(this),
      m_stockDialogs(this),
      m_port(std::make_unique<Port>(*this)),
      m_dispatcher(
          std::make_unique<Dispatcher>(*m_app, m_ui, m_searchDialogs, m_settingsDialogs, m_stockDialogs, *m_port)),
      m_options(options) {
    m_app->trace.line(m_app->trace.windowFlag, "tfzgwwindow.createnew start");
    tcreateactions();
    setupwindow();
    m_info = new tzusatzform(this);
    m_info->setDetailFont(fontOf(FontSlot::Detail));
    createClient();
    m_dispatcher->setPlatformValues(platformValues());
    m_idleTimer.setSingleShot(true);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] {
        if (idleStep()) scheduleIdle();
    });
    scheduleIdle();
    m_app->trace.line(m_app->trace.windowFlag, "tfzgwwindow.createnew end");
}

tfzgwwindow::~tfzgwwindow() {
    setMessageStatusBar(nullptr, 0);
    if (dialogOptions().trace == &m_app->trace) dialogOptions().trace = nullptr;
}

void tfzgwwindow::tcreateactions() {
    // The framework's dialogs, lists and trees trace into the run's one trace log.
    dialogOptions().trace = &m_app->trace;
    setHelpFile(QStringLiteral("K-VANEX.HLP"));
    // The help engine of the old systems does not exist here, so help stays disabled.
    setHelpEnabled(false);
    setStartView(1, menu::kStart);
    setHelpContext(helpContextOfView(1));
    tick();
}

void tfzgwwindow::setupwindow() {
    TKowindow::setupwindow();
    setWindowTitle(QStringLiteral("KORVANEX"));
    // An unreadable settings.dat is reported by the first idle phase, which then closes the window.
    (void)loadSettings(*m_app);
    // No style hint: with one, fontconfig picks a generic face instead of the metric twin of Arial.
    setFont(QFont(QStringLiteral("Arial"), 8));
    applyFonts();
    createScrollBar(1, Qt::Vertical, -100, 100, 0, 20, 1);
    createScrollBar(2, Qt::Horizontal, -100, 100, 0, 10, 1);
    createStatusBar();
    rebuildMenu();
    m_clockTimer.setInterval(30000);
    connect(&m_clockTimer, &QTimer::timeout, this, [this] { tick(); });
    m_clockTimer.start();
    resize(1100, 720);
}

// The client area: the painted canvas, or the splitter with the group tree and the list control.
void tfzgwwindow::createClient() {
    m_client = new QWidget(this);
    auto* layout = new QVBoxLayout(m_client);
    layout->setContentsMargins(0, 0, 0, 0);
    m_canvas = new ViewCanvas(m_client);
    m_canvas->onLineClick = [this](int line, bool dbl) { guarded([&] { m_dispatcher->onPaintedLine(line, dbl); }); };
    m_canvas->firstLine = [this] { return scrollState(Qt::Vertical).position; };
    m_tree = new tkotreeview(m_client);
    m_tree->setFont(fontOf(FontSlot::Tree));
    m_tree->setClickHandler([this](int low, int high) {
        const auto data = static_cast<std::uint32_t>(low & 0xFFFF) | static_cast<std::uint32_t>(high & 0xFFFF) << 16;
        guarded([&] { m_dispatcher->onTreeNode(data); });
    });
    m_tree->hide();
    // The document page takes the tree's place in the splitter while a document view is shown.
    m_documentCanvas = new ViewCanvas(m_client);
    m_documentCanvas->onLineClick = [this](int line, bool dbl) {
        guarded([&] { m_dispatcher->onPaintedLine(line, dbl); });
    };
    m_documentCanvas->hide();
    m_splitter = new tkosplitter(tkosplitter::Side::Left, kTreeWidth, m_client);
    m_splitter->setHandleWidth(5);
    m_list = nullptr;
    showListControl(kCatalogueList, true);  // created at start, hidden until the browser is shown
    m_lastListKinds.clear();
    layout->addWidget(m_canvas);
    layout->addWidget(m_splitter);
    setCentralWidget(m_client);
    setListControl(m_splitter);
    hideListControl();
}

void tfzgwwindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(bar);
        m_panels[i]->setFixedWidth(kStatusWidths[i]);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        // A line of the window's font inside the sunken frame with a pixel of air above and below; the
        // bar takes the height its panels need.
        m_panels[i]->setFixedHeight(m_panels[i]->fontMetrics().height() + 2 * m_panels[i]->frameWidth() + 2);
        bar->addWidget(m_panels[i]);
    }
    setMessageStatusBar(bar, kMessagePanel);
    refreshStatusPanels();
}

void tfzgwwindow::refreshStatusPanels() {
    const SettingsRecord& s = m_app->settings;
    m_panels[0]->setText(QString::fromStdString(cp1252ToUtf8(s.statusFilterAbbreviations())));
    m_panels[1]->setText(s.netPrices() ? QStringLiteral("Netto") : QStringLiteral("Brutto"));
    // The orders, demand and consumption lists show the totals over all their documents instead of the search
    // selection.
    std::optional<std::string> totals;
    if (m_dispatcher) totals = m_dispatcher->totalsStatus(viewNumber());
    const std::string panel3 = totals ? *totals : m_app->search.state.selectionStatus;
    m_panels[3]->setText(QString::fromStdString(panel3));
}

void tfzgwwindow::rebuildMenu() {
    MenuConditions conditions;
    conditions.stockMode = m_app->settings.stockMode();
    conditions.helpAvailable = helpEnabled();
    buildMainMenu(
        menuNumber(), [conditions](int number, MenuTable& table) { return fillProgramMenu(number, table, conditions); },
        0, {}, [this](int command) { dispatch(command); });
    // A hint describes the item under the mouse; once its menu closes it describes nothing. A message written
    // to the panel since (the hits of a search) stays.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToHide, this, [this] {
            if (m_panels[kMessagePanel]->text() == m_menuHint) m_panels[kMessagePanel]->clear();
        });
    repaintView();
}

QFont tfzgwwindow::fontOf(FontSlot slot) const {
    return m_fonts[static_cast<std::size_t>(slot)];
}

void tfzgwwindow::applyFonts() {
    for (int i = 0; i < 5; ++i) {
        const auto slot = static_cast<FontSlot>(i);
        const QFont fallback(QStringLiteral("Arial"), 10);
        m_fonts[static_cast<std::size_t>(i)] = fontFromDescription(m_app->settings.font(slot)).value_or(fallback);
    }
    dialogOptions().dialogFont = fontOf(FontSlot::Dialog);
    if (m_list != nullptr) m_list->setListFont(fontOf(FontSlot::List));
    if (m_tree != nullptr) m_tree->setFont(fontOf(FontSlot::Tree));
    if (m_info != nullptr) m_info->setDetailFont(fontOf(FontSlot::Detail));
}

void tfzgwwindow::tick() {
    m_today = encodeDate(m_app->clock().today());
    m_timeOfDay = m_app->clock().secondsSinceMidnight();
}

void tfzgwwindow::scheduleIdle() {
    if (m_options.autoIdle && !m_closedForGood) m_idleTimer.start(0);
}

bool tfzgwwindow::idleStep() {
    if (m_closedForGood) return false;
    AppState& app = *m_app;
    switch (app.startupPhase) {
        case 2:
            app.startupPhase = 1;
            repaintView();
            return true;
        case 1:
            app.startupPhase = 0;
            startupPhase1();
            return !m_closedForGood;
        default:
            guarded([&] { m_dispatcher->idleFill(); });
            return false;
    }
}

void tfzgwwindow::startupPhase1() {
    AppState& app = *m_app;
    bool ok = false;
    if (!reportingIoErrors([&] {
            // At the first start the stock files are not open yet: nothing to re-link.
            const auto import = [](AppState& a, UserInterface& u) { return importCatalogue(a, u); };
            ok = loadCatalogueAtStart(app, m_ui, import) && loadUserData(app, m_ui);
            if (ok) m_dispatcher->catalogueLoaded();
        }))
        app.forcedClose = true;
    if (!ok) {
        close();
        return;
    }
    refreshStatusPanels();
    updateClient();
    repaintView();
}

bool tfzgwwindow::reportingIoErrors(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const IoError& e) {
        // The run-time I/O error ends the command; the program goes on with the next event.
        showError(QStringLiteral("FEHLER"), QString::fromStdString(e.what()));
        return false;
    }
}

void tfzgwwindow::guarded(const std::function<void()>& action) {
    if (m_closedForGood) return;
    (void)reportingIoErrors(action);  // reported there; the next event goes on
    scheduleIdle();
}

void tfzgwwindow::dispatch(int command) {
    guarded([&] { m_dispatcher->dispatch(command); });
}

void tfzgwwindow::notImplementedBox() {
    modalRunner().showMessage(MessageKind::Information, QString(), QString::fromUtf8(kNotImplemented));
}

void tfzgwwindow::help(int command) {
    if (command == cmd::kHelpContents) helpContents();
    if (command == cmd::kHelpContext) helpOnCurrentContext();
    if (command == cmd::kHelpIndex) helpIndexSearch();
}

// ---- views ----

QString tfzgwwindow::composeCaption(const QString& path) const {
    return path.isEmpty() ? QStringLiteral("KORVANEX") : path + QStringLiteral(" - KORVANEX");
}

void tfzgwwindow::portEnterView(int view, int menu, const std::string& title) {
    TKowindow::enterView(static_cast<std::uint16_t>(view), static_cast<std::uint16_t>(menu),
                         QString::fromStdString(title), true);
    setVerticalRange(1, 1, 1, 20, 1);  // a new page starts at its top
    setHelpContext(helpContextOfView(view));
    rebuildMenu();
    hideListControl();
    refreshStatusPanels();  // a list's totals belong to its own view
}

bool tfzgwwindow::portLeaveView() {
    if (!TKowindow::leaveView()) return false;
    setHelpContext(helpContextOfView(viewNumber()));
    rebuildMenu();
    refreshStatusPanels();
    return true;
}

void tfzgwwindow::settingsChanged() {
    rebuildMenu();
    refreshStatusPanels();
    // A shown list is made anew with the column titles of the price display.
    if (const int kind = visibleListKind(); kind != kNoList) showListControl(kind, !m_tree->isHidden());
}

void tfzgwwindow::showListControl(int kind, bool withTree) {
    QStringList titles;
    for (const ListColumn& c : listColumns(kind, m_app->settings.netPrices()))
        titles << QString::fromStdString(c.title);
    if (m_list == nullptr || m_list->tag() != kind || m_list->columnTitles() != titles) {
        tkolistview::Options options;
        options.tag = kind;
        options.hotTrack = true;
        // Made without a parent: a widget born inside the splitter would become a pane of its own.
        auto* list = new tkolistview(nullptr, options);
        list->setListFont(fontOf(FontSlot::List));
        const QFontMetrics metrics(fontOf(FontSlot::List));
        for (const ListColumn& c : listColumns(kind, m_app->settings.netPrices()))
            list->addColumn(QString::fromStdString(c.title), c.width * metrics.averageCharWidth() + 12,
                            c.rightAligned ? 1 : 0, c.stretch);
        auto handler = [this, kind](RowClick click) {
            return [this, kind, click](int low, int) { guarded([&] { m_dispatcher->onListRow(kind, low, click); }); };
        };
        list->setClickHandler(handler(RowClick::Click));
        list->setContextHandler(handler(RowClick::Right));
        list->setDoubleClickHandler(handler(RowClick::Double));
        if (m_list == nullptr) {
            m_splitter->setPanes(m_tree, list);
        } else {
            // Deleted later: this may run inside a handler of the old list.
            if (QWidget* old = m_splitter->replacePane(1, list)) old->deleteLater();
        }
        m_list = list;
    }
    m_lastListKinds[viewNumber()] = kind;
    showBesideList(m_tree);
    m_tree->setVisible(withTree);
    m_list->show();
    m_splitter->show();
    m_canvas->hide();
    m_list->setFocus();
}

void tfzgwwindow::showBesideList(QWidget* pane) {
    if (m_splitter->indexOf(pane) == 0) return;
    // The pane given up is hidden and kept (the splitter hands it back without a parent).
    if (QWidget* old = m_splitter->replacePane(0, pane)) {
        old->hide();
        old->setParent(m_client);
    }
}

void tfzgwwindow::showPageBesideListControl(const TextPage& page, int kind) {
    showListControl(kind, false);
    showBesideList(m_documentCanvas);
    m_documentCanvas->setPageFont(fontOf(FontSlot::Detail));
    m_documentCanvas->setPage(page);
    m_documentCanvas->show();
}

bool tfzgwwindow::pageBesideList() const {
    return !m_splitter->isHidden() && m_splitter->indexOf(m_documentCanvas) == 0;
}

void tfzgwwindow::hideListControl() {
    m_splitter->hide();
    m_canvas->show();
    updateClient();
}

int tfzgwwindow::visibleListKind() const {
    return m_splitter->isHidden() || m_list == nullptr ? kNoList : m_list->tag();
}

int tfzgwwindow::lastListKindOf(int view) const {
    const auto it = m_lastListKinds.find(view);
    return it == m_lastListKinds.end() ? kNoList : it->second;
}

void tfzgwwindow::fillListControl(const ListContent& content) {
    m_list->setUpdatesEnabled(false);
    m_list->clearRows();
    for (const ListContent::Row& row : content.rows) {
        QStringList cells;
        for (const std::string& cell : row.cells) cells << QString::fromStdString(cell);
        m_list->addRow(cells, row.datum);
    }
    if (content.selectedRow >= 0) m_list->selectRowNumber(content.selectedRow + 1);
    m_list->setUpdatesEnabled(true);
}

void tfzgwwindow::setTreeNodes(const GroupTree& tree) {
    m_tree->clearNodes();
    const std::function<void(QTreeWidgetItem*, const GroupTreeNode&)> add = [&](QTreeWidgetItem* parent,
                                                                                const GroupTreeNode& node) {
        const QString text = QString::fromStdString(node.text);
        QTreeWidgetItem* item =
            parent == nullptr ? m_tree->addNode(text, node.data) : m_tree->addChildNode(parent, text, node.data);
        for (const GroupTreeNode& child : node.children) add(item, child);
    };
    for (const GroupTreeNode& root : tree.roots) add(nullptr, root);
}

void tfzgwwindow::updateClient() {
    const int view = viewNumber();
    m_canvas->setPageFont(fontOf(Dispatcher::fontOfView(view)));
    if (view == 1) {
        m_canvas->setStartPage(startPage(*m_app));
        return;
    }
    if (view == kFontView) {
        std::vector<ViewCanvas::FontLine> lines;
        for (const FontViewLine& line : fontViewLines(m_app->settings))
            lines.push_back({fontOf(line.slot), QString::fromStdString(line.text)});
        m_canvas->setFontLines(std::move(lines));
        return;
    }
    const TextPage& page = m_dispatcher->pageOfView(view);
    m_canvas->setPage(page);
    // Pages longer than the window scroll by lines; the bar shows from 21 lines on.
    if (visibleListKind() == kNoList) {
        const ScrollState& s = scrollState(Qt::Vertical);
        setVerticalRange(1, std::max(1, page.lineCount()), s.position, 20, 1);
    }
}

PlatformValues tfzgwwindow::platformValues() const {
    PlatformValues p;
    p.environment = [](const std::string& name) { return qEnvironmentVariable(name.c_str()).toStdString(); };
    p.hostName = QSysInfo::machineHostName().toStdString();
    p.processorCount = QThread::idealThreadCount();
    p.processorName = QSysInfo::currentCpuArchitecture().toStdString();
    p.osName = QSysInfo::prettyProductName().toStdString();
    p.osVersion = QSysInfo::kernelVersion().toStdString();
    p.platformId = QSysInfo::kernelType().toStdString();
    return p;
}

bool tfzgwwindow::event(QEvent* event) {
    // Menu hints go to the message panel; Qt's own status message would hide the four panels meanwhile.
    if (event->type() == QEvent::StatusTip) {
        m_menuHint = QStringLiteral(" ") + static_cast<QStatusTipEvent*>(event)->tip();
        m_panels[kMessagePanel]->setText(m_menuHint);
        return true;
    }
    return TKowindow::event(event);
}

void tfzgwwindow::closeEvent(QCloseEvent* event) {
    if (m_closedForGood) {
        event->accept();
        return;
    }
    bool mayClose = false;
    // an error keeps the window open
    (void)reportingIoErrors(
        [&] { mayClose = (m_app->forcedClose || m_dispatcher->mayQuitFromView()) && closeQuery(*m_app, m_ui); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    m_clockTimer.stop();
    m_idleTimer.stop();
    m_info->hide();
    m_closedForGood = true;
    event->accept();
}

}  // namespace kvx
