// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/GUIElement.h"
#include "app/AppState.h"
#include "app/Game.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A scene whose hooks write down what they were asked to draw.
class DrawLog : public Game {
public:
    std::vector<std::string> drawn;
    void ElementCallback0(const ElementDrawInfo& i) override { Log("0", i); }
    void ElementCallback5(const ElementDrawInfo& i) override { Log("5", i); }
    void Log(const char* hook, const ElementDrawInfo& i) {
        drawn.push_back(std::string(hook) + ":" + std::to_string(i.element->GetId()) + "@" +
                        std::to_string(static_cast<int>(i.x)) + "," +
                        std::to_string(static_cast<int>(i.y)) + " src " + std::to_string(i.left) +
                        "," + std::to_string(i.top) + "," + std::to_string(i.right) + "," +
                        std::to_string(i.bottom));
    }
};

// Counts how often an element is reset or told to close.
class Tracked : public GUIElement {
public:
    using GUIElement::GUIElement;
    int resets = 0;
    int closes = 0;
    void Reset() override {
        ++resets;
        GUIElement::Reset();
    }
    void Activate(bool open) override {
        if (!open) ++closes;
        GUIElement::Activate(open);
    }
};

GUIElement* Make(int id, int w, int h, float x, float y, bool scalable = false, int dock = 0) {
    return new GUIElement(id, IntRect{0, 0, w, h}, x, y, nullptr, nullptr, scalable, dock);
}

TEST(GUIElement, ConstructionTakesSizeFromTheSourceAndBoundsFromTheScreen) {
    GUIElement e(7, IntRect{900, 400, 1300, 450}, 12.9f, 30.2f, nullptr, nullptr);
    EXPECT_EQ(e.X(), 12);
    EXPECT_EQ(e.Y(), 30);
    EXPECT_EQ(e.Right(), 412);
    EXPECT_EQ(e.Bottom(), 80);
    EXPECT_EQ(e.SourceWidth(), 400);
    EXPECT_EQ(e.MovementBounds(), (IntRect{0, 0, 1024, 768}));
    EXPECT_FLOAT_EQ(e.ScaleX(), 1.0f);
    e.MoveTo(100, 200);
    EXPECT_EQ(e.Right(), 500);
    EXPECT_EQ(e.Bottom(), 250);
}

TEST(GUIElement, EdgesAreInclusiveAndFollowTheScale) {
    GUIElement e(1, IntRect{0, 0, 100, 50}, 10, 20, nullptr, nullptr);
    EXPECT_EQ(e.HitTest(10, 20, -1), &e);
    EXPECT_EQ(e.HitTest(110, 70, -1), &e);
    EXPECT_EQ(e.HitTest(110.01f, 70, -1), nullptr);
    EXPECT_EQ(e.HitTest(9.99f, 20, -1), nullptr);
    e.SetScale(1.5f, 2.0f);
    EXPECT_EQ(e.HitTest(160, 120, -1), &e);
    EXPECT_EQ(e.HitTest(160.5f, 120, -1), nullptr);
}

TEST(GUIElement, TheDeepestChildWinsAndTheFirstAddedWinsAmongOverlaps) {
    GUIElement root(0, IntRect{0, 0, 400, 300}, 100, 100, nullptr, nullptr);
    GUIElement* a = Make(1, 100, 100, 10, 10);
    GUIElement* b = Make(2, 100, 100, 50, 50);   // overlaps a in (50 … 110)
    GUIElement* inner = Make(3, 20, 20, 70, 70); // at 120 … 140 in root coordinates
    root.AddChild(a);
    root.AddChild(b);
    b->AddChild(inner);
    EXPECT_EQ(root.HitTest(100 + 60, 100 + 60, -1), a); // in both a and b: a was added first
    EXPECT_EQ(root.HitTest(100 + 115, 100 + 115, -1), b);
    EXPECT_EQ(root.HitTest(100 + 130, 100 + 130, -1), inner);
    EXPECT_EQ(root.HitTest(100 + 200 + 0, 100 + 160, -1), &root);
}

TEST(GUIElement, AChildOutsideItsParentCannotBeHitThere) {
    GUIElement root(0, IntRect{0, 0, 100, 100}, 0, 0, nullptr, nullptr);
    GUIElement* child = Make(1, 50, 50, 80, 80); // reaches to 130, 130
    root.AddChild(child);
    EXPECT_EQ(root.HitTest(90, 90, -1), child);
    EXPECT_EQ(root.HitTest(120, 120, -1), nullptr);
}

TEST(GUIElement, AddingTheSameChildTwiceKeepsOneEntry) {
    GUIElement root(0, IntRect{0, 0, 100, 100}, 0, 0, nullptr, nullptr);
    GUIElement* child = Make(1, 10, 10, 0, 0);
    EXPECT_TRUE(root.AddChild(child));
    EXPECT_TRUE(root.AddChild(child));
    EXPECT_EQ(root.Children().Count(), 1);
    EXPECT_EQ(child->Parent(), &root);
}

TEST(GUIElement, RemoveChildSearchesTheTreeAndGivesTheElementBack) {
    GUIElement root(0, IntRect{0, 0, 100, 100}, 0, 0, nullptr, nullptr);
    GUIElement* a = Make(1, 10, 10, 0, 0);
    GUIElement* grandchild = Make(2, 5, 5, 0, 0);
    root.AddChild(a);
    a->AddChild(grandchild);
    GUIElement stranger(9, IntRect{0, 0, 1, 1}, 0, 0, nullptr, nullptr);
    EXPECT_FALSE(root.RemoveChild(&stranger));
    EXPECT_FALSE(root.RemoveChild(nullptr));
    EXPECT_EQ(a->Children().Count(), 1);
    EXPECT_TRUE(root.RemoveChild(grandchild));
    EXPECT_EQ(a->Children().Count(), 0);
    EXPECT_EQ(grandchild->Parent(), nullptr);
    delete grandchild; // ours again, not deleted by the tree
}

TEST(GUIElement, DrawHandsEachElementToItsHookWithParentOffsets) {
    DrawLog scene;
    GUIElement root(10, IntRect{0, 0, 500, 600}, 100, 50, &scene, Game::ElementCallback(0));
    auto* child =
        new GUIElement(11, IntRect{900, 400, 1300, 450}, 20, 30, &scene, Game::ElementCallback(5));
    auto* grandchild =
        new GUIElement(12, IntRect{1, 2, 3, 4}, 5, 6, &scene, Game::ElementCallback(0));
    root.AddChild(child);
    child->AddChild(grandchild);
    root.AddChild(
        new GUIElement(13, IntRect{0, 0, 1, 1}, 0, 0, nullptr, nullptr)); // no hook: skipped
    root.Draw(1, 2);
    EXPECT_EQ(scene.drawn, (std::vector<std::string>{"0:10@101,52 src 0,0,500,600",
                                                     "5:11@121,82 src 900,400,1300,450",
                                                     "0:12@126,88 src 1,2,3,4"}));
}

TEST(GUIElement, MoveByDecidesEachAxisOnItsOwn) {
    GUIElement e(1, IntRect{0, 0, 100, 50}, 3, 10, nullptr, nullptr);
    e.MoveBy(-5, 4);
    EXPECT_EQ(e.X(), 3);
    EXPECT_EQ(e.Y(), 14);
    e.MoveBy(1024 - 103, 0); // right edge exactly on the bound
    EXPECT_EQ(e.Right(), 1024);
    e.MoveBy(1, -14);
    EXPECT_EQ(e.Right(), 1024);
    EXPECT_EQ(e.Y(), 0);
    e.SetMovementBounds({100, 100, 300, 200}); // bounds count by their size only
    e.MoveTo(0, 0);
    e.MoveBy(101, 51);
    EXPECT_EQ(e.X(), 0);
    EXPECT_EQ(e.Y(), 0);
    e.MoveBy(100, 50);
    EXPECT_EQ(e.Right(), 200);
    EXPECT_EQ(e.Bottom(), 100);
}

TEST(GUIElement, AbsolutePositionAddsTheAncestors) {
    GUIElement root(0, IntRect{0, 0, 500, 500}, 100, 50, nullptr, nullptr);
    GUIElement* mid = Make(1, 100, 100, 20, 30);
    GUIElement* leaf = Make(2, 10, 10, 3, 4);
    root.AddChild(mid);
    mid->AddChild(leaf);
    int x = 0, y = 0;
    leaf->AbsolutePosition(x, y);
    EXPECT_EQ(x, 123);
    EXPECT_EQ(y, 84);
}

TEST(GUIElement, DisplayedSizeChangesOnlyScalableElements) {
    GUIElement fixed(1, IntRect{0, 0, 100, 50}, 0, 0, nullptr, nullptr, false);
    GUIElement stretchy(2, IntRect{0, 0, 100, 50}, 0, 0, nullptr, nullptr, true);
    fixed.SetDisplayedWidth(300);
    stretchy.SetDisplayedWidth(300);
    stretchy.SetDisplayedHeight(25);
    EXPECT_FLOAT_EQ(fixed.ScaleX(), 1.0f);
    EXPECT_FLOAT_EQ(stretchy.ScaleX(), 3.0f);
    EXPECT_FLOAT_EQ(stretchy.ScaleY(), 0.5f);
    GUIElement empty(3, IntRect{5, 5, 5, 5}, 0, 0, nullptr, nullptr, true);
    empty.SetDisplayedWidth(40); // no source width: the scale stays finite
    EXPECT_FLOAT_EQ(empty.ScaleX(), 1.0f);
}

TEST(GUIElement, DockLayoutGivesEarlierChildrenTheirMarginFirst) {
    GUIElement root(0, IntRect{0, 0, 400, 300}, 0, 0, nullptr, nullptr);
    GUIElement* left = Make(1, 50, 10, 0, 0, true, GUIElement::DockLeft);
    GUIElement* top = Make(2, 10, 40, 0, 0, true, GUIElement::DockTop);
    GUIElement* right = Make(3, 30, 10, 0, 0, true, GUIElement::DockRight);
    GUIElement* bottom = Make(4, 10, 20, 0, 0, true, GUIElement::DockBottom);
    GUIElement* fill = Make(5, 100, 100, 0, 0, true, GUIElement::DockFill);
    GUIElement* loose = Make(6, 10, 10, 7, 8, true, GUIElement::DockNone);
    root.AddChild(fill); // fill goes first in the list but is placed last
    root.AddChild(left);
    root.AddChild(top);
    root.AddChild(right);
    root.AddChild(bottom);
    root.AddChild(loose);
    root.Layout();
    // The left child runs the full height.
    EXPECT_EQ(left->X(), 0);
    EXPECT_EQ(left->Y(), 0);
    EXPECT_FLOAT_EQ(left->ScaleY(), 300.0f / 10);
    // The top child starts right of it and spans the rest of the width.
    EXPECT_EQ(top->X(), 50);
    EXPECT_EQ(top->Y(), 0);
    EXPECT_FLOAT_EQ(top->ScaleX(), 350.0f / 10);
    // The right child sits below the top child.
    EXPECT_EQ(right->X(), 370);
    EXPECT_EQ(right->Y(), 40);
    EXPECT_FLOAT_EQ(right->ScaleY(), 260.0f / 10);
    // The bottom child between left and right margins.
    EXPECT_EQ(bottom->X(), 50);
    EXPECT_EQ(bottom->Y(), 280);
    EXPECT_FLOAT_EQ(bottom->ScaleX(), 320.0f / 10);
    // The fill child takes what is left.
    EXPECT_EQ(fill->X(), 50);
    EXPECT_EQ(fill->Y(), 40);
    EXPECT_FLOAT_EQ(fill->ScaleX(), 320.0f / 100);
    EXPECT_FLOAT_EQ(fill->ScaleY(), 240.0f / 100);
    EXPECT_EQ(loose->X(), 7);
    // Every child may move within the parent.
    EXPECT_EQ(loose->MovementBounds(), (IntRect{0, 0, 400, 300}));
}

TEST(GUIElement, TopChildAddedFirstSpansTheFullWidth) {
    GUIElement root(0, IntRect{0, 0, 400, 300}, 0, 0, nullptr, nullptr);
    GUIElement* top = Make(1, 10, 40, 0, 0, true, GUIElement::DockTop);
    GUIElement* left = Make(2, 50, 10, 0, 0, true, GUIElement::DockLeft);
    root.AddChild(top);
    root.AddChild(left);
    root.Layout();
    EXPECT_EQ(top->X(), 0);
    EXPECT_FLOAT_EQ(top->ScaleX(), 40.0f);
    EXPECT_EQ(left->Y(), 40);
    EXPECT_FLOAT_EQ(left->ScaleY(), 26.0f);
}

TEST(GUIElement, LayoutUsesTheParentScaleForMarginsButNotForFill) {
    GUIElement root(0, IntRect{0, 0, 200, 100}, 0, 0, nullptr, nullptr, true);
    root.SetScale(2.0f, 2.0f);
    GUIElement* left = Make(1, 30, 10, 0, 0, false, GUIElement::DockLeft);
    GUIElement* fill = Make(2, 10, 10, 0, 0, true, GUIElement::DockFill);
    root.AddChild(left);
    root.AddChild(fill);
    root.Layout();
    EXPECT_FLOAT_EQ(left->ScaleY(), 1.0f); // not scalable
    EXPECT_EQ(fill->X(), 60);              // 30 × parent scale
    EXPECT_FLOAT_EQ(fill->ScaleX(), (200.0f - 60) / 10);
    EXPECT_FLOAT_EQ(fill->ScaleY(), 100.0f / 10);
    EXPECT_EQ(fill->MovementBounds(), (IntRect{0, 0, 400, 200}));
}

TEST(GUIElement, OpeningOneClosesItsSiblingsAndTheirChildren) {
    GUIElement root(0, IntRect{0, 0, 100, 100}, 0, 0, nullptr, nullptr);
    auto* a = new Tracked(1, IntRect{0, 0, 1, 1}, 0, 0, nullptr, nullptr);
    auto* b = new Tracked(2, IntRect{0, 0, 1, 1}, 0, 0, nullptr, nullptr);
    auto* c = new Tracked(3, IntRect{0, 0, 1, 1}, 0, 0, nullptr, nullptr);
    auto* bChild = new Tracked(4, IntRect{0, 0, 1, 1}, 0, 0, nullptr, nullptr);
    root.AddChild(a);
    root.AddChild(b);
    root.AddChild(c);
    b->AddChild(bChild);
    a->Activate(true); // terminates: closing does not call back up the tree
    EXPECT_EQ(a->closes, 0);
    EXPECT_EQ(b->closes, 1);
    EXPECT_EQ(c->closes, 1);
    EXPECT_EQ(bChild->closes, 1);
    root.Reset();
    EXPECT_EQ(a->resets + b->resets + c->resets + bChild->resets, 4);
}

// Counts destructions to see that a tree dies whole.
struct Counted : GUIElement {
    static inline int alive = 0;
    Counted() : GUIElement(0, IntRect{0, 0, 1, 1}, 0, 0, nullptr, nullptr) { ++alive; }
    ~Counted() override { --alive; }
};

TEST(GUIElement, DeletingARootDeletesEveryDescendant) {
    auto* root = new Counted;
    auto* child = new Counted;
    root->AddChild(child);
    child->AddChild(new Counted);
    root->AddChild(new Counted);
    EXPECT_EQ(Counted::alive, 4);
    delete root;
    EXPECT_EQ(Counted::alive, 0);
}

class HitTestScene : public Game {};

TEST(HitTestElements, NoActiveElementAnswersFalseAndKeepsTheHover) {
    HitTestScene scene;
    AppState& app = *scene.app;
    scene.elements[0] = Make(1, 100, 100, 0, 0);
    GUIElement sentinel(99, IntRect{}, 0, 0, nullptr, nullptr);
    scene.hoveredElement = &sentinel;
    app.mouseX = 50;
    app.mouseY = 50;
    EXPECT_FALSE(scene.HitTestElements(-1));
    EXPECT_EQ(scene.hoveredElement, &sentinel);
}

TEST(HitTestElements, ActiveElementsThatAllMissLeaveTheHoverNull) {
    HitTestScene scene;
    AppState& app = *scene.app;
    scene.elements[2] = Make(1, 10, 10, 0, 0);
    scene.elements[5] = Make(2, 10, 10, 20, 20);
    scene.elementActive[2] = scene.elementActive[5] = true;
    GUIElement sentinel(99, IntRect{}, 0, 0, nullptr, nullptr);
    scene.hoveredElement = &sentinel;
    app.mouseX = 500;
    app.mouseY = 500;
    EXPECT_FALSE(scene.HitTestElements(1));
    EXPECT_EQ(scene.hoveredElement, nullptr);
}

TEST(HitTestElements, SlotsAreTriedInOrderAndInactiveOnesSkipped) {
    HitTestScene scene;
    AppState& app = *scene.app;
    GUIElement* under = Make(1, 100, 100, 0, 0);
    GUIElement* over = Make(2, 100, 100, 0, 0);
    GUIElement* hidden = Make(3, 100, 100, 0, 0);
    scene.elements[0] = hidden;
    scene.elements[3] = under;
    scene.elements[7] = over;
    scene.elementActive[3] = scene.elementActive[7] = true;
    scene.elementActive[9] = true; // active but empty: skipped
    app.mouseX = 40;
    app.mouseY = 40;
    EXPECT_TRUE(scene.HitTestElements(-1));
    EXPECT_EQ(scene.hoveredElement, under);
    scene.elementActive[3] = false;
    EXPECT_TRUE(scene.HitTestElements(-1));
    EXPECT_EQ(scene.hoveredElement, over);
}

TEST(HitTestElements, TheSceneDeletesItsElements) {
    Counted::alive = 0;
    {
        HitTestScene scene;
        scene.elements[0] = new Counted;
        scene.elements[13] = new Counted;
        scene.elements[13]->AddChild(new Counted);
        EXPECT_EQ(Counted::alive, 3);
    }
    EXPECT_EQ(Counted::alive, 0);
}

} // namespace
