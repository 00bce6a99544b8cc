// Form descriptions: the text format, its checks, and writing it back.
#include "form_description.h"

#include <gtest/gtest.h>

namespace {

const char* const sample = R"(# The demo form.
[Form Butterfly_Demo]
Caption = "■Kalendra■"
ClientWidth = 4800
BackColor = &H00E0E0E0

[UserControlKind Frame]
Left = 120
Top = 240
Width = 3000
Height = 1500
TabIndex = 2
FillColour = &H000000FF

[Label lbl(0)]
Container = Frame
Left = 60
Top = 60
Width = 900
Height = 300
Caption = "件数"
BackStyle = 0

[Label lbl(1)]
Container = Frame
Caption = "CD"

[Image Img(3)]
Container = lbl(1)
)";

} // namespace

TEST(FormDescription, ReadsFormsControlsGroupsAndContainers) {
    std::string error;
    auto form = forms::parseFormDescription(sample, &error);
    // lbl(1) is declared before Img(3) names it, so the text reads.
    ASSERT_TRUE(form) << error;
    EXPECT_EQ(form->name, "Butterfly_Demo");
    EXPECT_EQ(form->caption, "■Kalendra■");
    EXPECT_EQ(form->properties.readLong("clientwidth", 0), 4800);
    EXPECT_FALSE(form->properties.contains("Caption"));
    ASSERT_EQ(form->controls.size(), 4u);

    const forms::ControlDescription& frame = form->controls[0];
    EXPECT_EQ(frame.kind, "UserControlKind");
    EXPECT_EQ(frame.index, -1);
    EXPECT_EQ(frame.left, 120);
    EXPECT_EQ(frame.top, 240);
    EXPECT_EQ(frame.width, 3000);
    EXPECT_EQ(frame.height, 1500);
    EXPECT_EQ(frame.tabIndex, 2);
    EXPECT_TRUE(frame.container.empty());
    // Fields are taken out; the rest stays for the control to read.
    ASSERT_EQ(frame.properties.entries().size(), 1u);
    EXPECT_EQ(frame.properties.readColour("fillcolour", 0), 0x000000FFu);

    const forms::ControlDescription* label = form->find("LBL", 0);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->caption, "件数");
    EXPECT_EQ(label->container, "Frame");
    EXPECT_EQ(label->containerIndex, -1);
    EXPECT_EQ(label->tabIndex, -1);
    EXPECT_EQ(form->find("lbl", 1)->left, 0);
    EXPECT_EQ(form->find("Img", 3)->container, "lbl");
    EXPECT_EQ(form->find("Img", 3)->containerIndex, 1);
    EXPECT_EQ(form->find("lbl"), nullptr);
}

TEST(FormDescription, WrittenTextReadsBackTheSame) {
    auto form = forms::parseFormDescription(sample);
    ASSERT_TRUE(form);
    std::string text = forms::formDescriptionText(*form);
    std::string error;
    auto again = forms::parseFormDescription(text, &error);
    ASSERT_TRUE(again) << error << "\n" << text;
    EXPECT_EQ(forms::formDescriptionText(*again), text);
    ASSERT_EQ(again->controls.size(), form->controls.size());
    for (std::size_t i = 0; i < form->controls.size(); ++i) {
        const auto& a = form->controls[i];
        const auto& b = again->controls[i];
        EXPECT_EQ(a.kind, b.kind);
        EXPECT_EQ(forms::controlReference(a.name, a.index),
                  forms::controlReference(b.name, b.index));
        EXPECT_EQ(forms::controlReference(a.container, a.containerIndex),
                  forms::controlReference(b.container, b.containerIndex));
        EXPECT_EQ(a.caption, b.caption);
        EXPECT_EQ(a.tabIndex, b.tabIndex);
        EXPECT_EQ(a.properties.entries(), b.properties.entries());
    }
}

TEST(FormDescription, CrLfLinesAndAByteOrderMarkRead) {
    auto form = forms::parseFormDescription(
        "\xEF\xBB\xBF[Form F]\r\nCaption = Title\r\n\r\n[Label L]\r\nWidth = 10\r\n");
    ASSERT_TRUE(form);
    EXPECT_EQ(form->caption, "Title");
    EXPECT_EQ(form->controls.at(0).width, 10);
}

TEST(FormDescription, FaultsAreRefusedWithTheirLine) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "line 0: no \"[Form Name]\" block"},
        {"Caption = x\n", "line 1: property outside a block; the text starts with \"[Form Name]\""},
        {"[Label L]\n", "line 1: the first block must be \"[Form Name]\""},
        {"[Form F]\n[Form G]\n", "line 2: a second form block"},
        {"[Form F(1)]\n", "line 1: a form has no index"},
        {"[Form F]\n[Label]\n", "line 2: expected \"[Kind Name]\" or \"[Kind Name(Index)]\""},
        {"[Form F]\n[Label L(-1)]\n", "line 2: expected \"[Kind Name]\" or \"[Kind Name(Index)]\""},
        {"[Form F]\n[Label 9L]\n", "line 2: expected \"[Kind Name]\" or \"[Kind Name(Index)]\""},
        {"[Form F]\n[Label F]\n", "line 2: F has the form's name"},
        {"[Form F]\n[Label L]\n[Label l]\n", "line 3: l is declared twice"},
        {"[Form F]\n[Label L(0)]\n[Label L]\n", "line 3: L is used both with and without an index"},
        {"[Form F]\n[Label L]\nWidth = -5\n",
         "line 2: Width of L must be a whole number of 0 or more"},
        {"[Form F]\n[Label L]\nLeft = x\n", "line 2: Left of L must be a whole number"},
        {"[Form F]\n[Label L]\nContainer = Frame\n",
         "line 2: the container Frame of L is not declared before it"},
        {"[Form F]\n[Label L]\nContainer = (3\n",
         "line 2: Container of L must be \"Name\" or \"Name(Index)\""},
        {"[Form F]\n[Label L]\nTop = 1\ntop = 2\n", "line 4: \"top\" is given twice"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(forms::parseFormDescription(c.text, &error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}
