// Menu bar from a menu tree.
#include "framework/menu_builder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "framework/framework_trace.h"

namespace kvx {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

struct BuildContext {
    const MenuClickHandler& onClick;
    const MenuGlyphProvider& glyphs;
    int pulldownCount = 0;
};

QAction* makeItem(const MenuNode& node, QWidget* owner, BuildContext& ctx) {
    auto* action = new QAction(fromUtf8(node.caption), owner);
    if (node.separator) {
        action->setSeparator(true);
        return action;
    }
    action->setData(static_cast<int>(node.command));
    action->setStatusTip(fromUtf8(node.hint));
    action->setWhatsThis(QString::number(node.command));  // the help context is the command id
    if (node.imageIndex > 0 && ctx.glyphs) action->setIcon(ctx.glyphs(node.imageIndex));
    const MenuClickHandler handler = ctx.onClick;
    QObject::connect(action, &QAction::triggered, action, [action, handler] {
        if (handler) handler(action->data().toInt());
    });
    return action;
}

void fillMenu(QWidget& menu, const MenuNode& node, BuildContext& ctx);

QMenu* makePulldown(const MenuNode& node, QWidget* owner, BuildContext& ctx) {
    auto* menu = new QMenu(fromUtf8(node.caption), owner);
    menu->setObjectName(QStringLiteral("Pulldown") + QString::number(++ctx.pulldownCount));
    menu->menuAction()->setStatusTip(fromUtf8(node.hint));
    if (node.imageIndex > 0 && ctx.glyphs) menu->setIcon(ctx.glyphs(node.imageIndex));
    frameworkTrace(2, QStringLiteral("delphibuildpulldownmenu2:") + menu->title());
    fillMenu(*menu, node, ctx);
    return menu;
}

void fillMenu(QWidget& menu, const MenuNode& node, BuildContext& ctx) {
    for (const MenuNode& child : node.children) {
        if (child.pulldown) {
            QMenu* sub = makePulldown(child, &menu, ctx);
            menu.addAction(sub->menuAction());
        } else {
            menu.addAction(makeItem(child, &menu, ctx));
        }
    }
}

void collectActions(const QWidget& widget, QList<QAction*>& out) {
    for (QAction* a : widget.actions()) {
        out.append(a);
        if (a->menu() != nullptr) collectActions(*a->menu(), out);
    }
}

void appendTreeText(const MenuNode& node, int depth, QString& out) {
    for (const MenuNode& child : node.children) {
        out += QString(depth * 2, u' ') + fromUtf8(child.caption);
        if (child.pulldown) {
            out += QStringLiteral(" »") + QString::number(child.submenuNumber);
        } else if (!child.separator) {
            out += QStringLiteral(" [") + QString::number(child.command) + u']';
        }
        if (!child.separator) out += QStringLiteral(" | ") + fromUtf8(child.hint);
        out += u'\n';
        if (child.pulldown) appendTreeText(child, depth + 1, out);
    }
}

}  // namespace

void buildMenuBar(QMenuBar& bar, const MenuNode& root, const MenuClickHandler& onClick,
                  const MenuGlyphProvider& glyphs) {
    // The bar is often rebuilt from inside one of its own items' click handlers (a command that changes
    // the view), so the old items and pull-downs are deleted later, not while they are still emitting.
    const QList<QAction*> old = bar.actions();
    for (QAction* a : old) {
        bar.removeAction(a);
        if (a->menu() != nullptr) {
            a->menu()->deleteLater();
        } else if (a->parent() == &bar) {
            a->deleteLater();
        }
    }
    BuildContext ctx{onClick, glyphs};
    fillMenu(bar, root, ctx);
}

QAction* findMenuAction(const QMenuBar& bar, int command) {
    QList<QAction*> all;
    collectActions(bar, all);
    for (QAction* a : all) {
        if (a->menu() == nullptr && !a->isSeparator() && a->data().isValid() && a->data().toInt() == command) {
            return a;
        }
    }
    return nullptr;
}

bool triggerMenuCommand(const QMenuBar& bar, int command) {
    QAction* action = findMenuAction(bar, command);
    if (action == nullptr || !action->isEnabled()) return false;
    action->trigger();
    return true;
}

QString menuTreeText(const MenuNode& root) {
    QString out;
    appendTreeText(root, 0, out);
    return out;
}

}  // namespace kvx
