#include "experiment/Comment.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Comment, WelcomeThenInterruptedThenSuspendedThenDenaturation)
{
    struct Case
    {
        bool denatured, running, concentrationsChanged, stoppedByUser, welcomePending;
        std::string_view expected;
    };
    const Case cases[] = {
        {false, true, false, false, false, ""},
        {true, true, false, false, false, CommentText::denaturation},
        {true, true, true, false, false, CommentText::denaturation}, // running: not suspended
        {true, false, true, false, false, CommentText::suspended},
        {false, false, false, false, false, ""},
        {true, false, true, true, false, CommentText::interrupted},
        {true, false, true, true, true, CommentText::welcome},
        {false, false, false, false, true, CommentText::welcome},
    };
    for (const Case& c : cases) {
        World world;
        world.denatured[1] = c.denatured;
        world.running = c.running;
        world.concentrationsChanged = c.concentrationsChanged;
        world.stoppedByUser = c.stoppedByUser;
        world.welcomePending = c.welcomePending;
        WindowUpdate update;
        rafraichircommentaire1Click(world, update);
        EXPECT_EQ(update.comment, c.expected);
        EXPECT_FALSE(world.stoppedByUser) << "the interrupted message is shown once";
    }
}

TEST(Comment, OnlyTheFirstEnzymeTellsOfDenaturation)
{
    World world;
    world.denatured[2] = true;
    EXPECT_EQ(chooseComment(world), "");
}

TEST(Comment, MessagesKeepTheirLineBreaksAndDoubleSpace)
{
    EXPECT_NE(CommentText::welcome.find("!\r\rChoisissez"), std::string_view::npos);
    EXPECT_NE(CommentText::welcome.find("cliquez  sur"), std::string_view::npos);
    EXPECT_NE(CommentText::suspended.find("suspendue.\rUne fois"), std::string_view::npos);
    EXPECT_EQ(CommentText::interrupted.find('\n'), std::string_view::npos);
}

} // namespace
} // namespace velmora
