// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one widget class: a rectangular piece of a texture at a position relative to its
// parent, with owned children, a point test, a dock layout, and drawing through a hook of
// the scene that owns it. Width and height always come from the source rectangle.
#include "app/Game.h"
#include "data/PtrList.h"
#include "platform/IntRect.h"

class GUIElement {
public:
    enum Dock {
        DockNone = 0,
        DockLeft = 1,
        DockRight = 2,
        DockTop = 3,
        DockBottom = 4,
        DockFill = 5
    };

    GUIElement(int id, IntRect source, float x, float y, Game* owner, Game::DrawHook drawOperation,
               bool scalable = false, int dock = DockNone);
    virtual ~GUIElement() = default;
    GUIElement(const GUIElement&) = delete;
    GUIElement& operator=(const GUIElement&) = delete;

    // The deepest element under the point (parent coordinates), or null. A child is found
    // only where the point is on its parent too; the first child added wins.
    virtual GUIElement* HitTest(float px, float py, int mode);
    // Takes ownership; a child already present is not added twice.
    virtual bool AddChild(GUIElement* child);
    // Takes the element out of the tree without deleting it; false if it is not there.
    virtual bool RemoveChild(GUIElement* element);
    // Hands this element to the owner's hook, then draws the children over it.
    virtual void Draw(float offsetX, float offsetY);
    // Arranges the children by their dock kinds, then their own children.
    virtual void Layout();
    // Moves by dx and by dy, each axis only if the element stays within its bounds.
    virtual void MoveBy(int dx, int dy);
    virtual void Reset();
    // Opening an element closes its siblings (CloseOthers on the parent).
    virtual void Activate(bool open);
    virtual void CloseOthers(GUIElement* except);

    int GetId() const { return id; }
    void SetId(int newId) { id = newId; }
    void MoveTo(int newX, int newY);
    int X() const { return x; }
    int Y() const { return y; }
    int Right() const { return right; }
    int Bottom() const { return bottom; }
    // Own position plus the positions of all ancestors.
    void AbsolutePosition(int& absX, int& absY) const;
    int SourceWidth() const { return source.Width(); }
    int SourceHeight() const { return source.Height(); }
    const IntRect& Source() const { return source; }
    void SetSource(IntRect rect);
    int GetDock() const { return dock; }
    void SetDock(int kind) { dock = kind; }
    void SetScalable(bool value) { scalable = value; }
    bool IsScalable() const { return scalable; }
    void SetMovementBounds(IntRect bounds) { movementBounds = bounds; }
    const IntRect& MovementBounds() const { return movementBounds; }
    // Stretch to a displayed size (only scalable elements change their scale).
    void SetDisplayedWidth(int width);
    void SetDisplayedHeight(int height);
    float ScaleX() const { return scaleX; }
    float ScaleY() const { return scaleY; }
    void SetScale(float sx, float sy) {
        scaleX = sx;
        scaleY = sy;
    }

    GUIElement* Parent() const { return parent; }
    const PtrList<GUIElement, true>& Children() const { return children; }
    Game* Owner() const { return owner; }

private:
    bool Contains(float px, float py) const;

    GUIElement* parent = nullptr;
    int x = 0, y = 0;
    int right = 0, bottom = 0;
    IntRect source;
    IntRect movementBounds;
    PtrList<GUIElement, true> children;
    int id;
    float scaleX = 1.0f, scaleY = 1.0f;
    bool scalable;
    int dock;
    Game* owner;
    Game::DrawHook drawOperation;
};
