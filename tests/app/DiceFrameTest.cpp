#include "app/DiceFrame.h"
#include <gtest/gtest.h>
TEST(DiceFrame, Title)
{
    auto* f = new DiceFrame(nullptr, wxID_ANY, "", wxDefaultPosition, wxDefaultSize);
    EXPECT_EQ(f->GetTitle(), "Zobrin");
    f->Destroy();
}
