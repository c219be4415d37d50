// What the command dispatcher needs from the main window beyond the views every subsystem uses: the
// catalogue browser's group tree, closing and help. tfzgwwindow implements it on Qt; core tests use a fake.
#pragma once

#include <cstdint>

#include "base/view_port.h"
#include "catalogue/group_tree.h"

namespace kvx {

class WindowPort : public ViewPort {
  public:
    virtual void setTree(const GroupTree& tree) = 0;
    // Selects and expands the node with the datum, without calling the selection handler.
    virtual void selectTreeNode(std::uint32_t data) = 0;
    virtual void closeWindow() = 0;
    // Help commands cmd::kHelpContents, kHelpContext and kHelpIndex; they do nothing while help is disabled.
    virtual void help(int command) = 0;
};

}  // namespace kvx
