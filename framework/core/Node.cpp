// Node: reference counting and the count of live nodes.
#include "Vorn/core/Node.h"

namespace Vorn {

namespace {

long live_nodes = 0;

} // namespace

Node::Node()
{
    ++live_nodes;
}

Node::~Node()
{
    --live_nodes;
}

void Node::DropRef()
{
    if (--references <= 0)
        delete this;
}

long Node::LiveCount()
{
    return live_nodes;
}

} // namespace Vorn
