#include "experiment/Comment.h"

namespace velmora {

std::string_view chooseComment(const World& world)
{
    // The later test wins.
    std::string_view message;
    if (world.denatured[1]) {
        message = CommentText::denaturation;
    }
    if (!world.running && world.concentrationsChanged) {
        message = CommentText::suspended;
    }
    if (world.stoppedByUser) {
        message = CommentText::interrupted;
    }
    if (world.welcomePending) {
        message = CommentText::welcome;
    }
    return message;
}

void rafraichircommentaire1Click(World& world, WindowUpdate& update)
{
    update.comment = chooseComment(world);
    world.stoppedByUser = false;
}

} // namespace velmora
