// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/GUIElement.h"

#include "app/AppState.h"

GUIElement::GUIElement(int id, IntRect source, float x, float y, Game* owner,
                       Game::DrawHook drawOperation, bool scalable, int dock)
    : x(static_cast<int>(x)), y(static_cast<int>(y)), source(source), id(id), scalable(scalable),
      dock(dock), owner(owner), drawOperation(drawOperation) {
    right = this->x + source.Width();
    bottom = this->y + source.Height();
    const AppState& app = GetAppState();
    movementBounds = {0, 0, app.screenWidth, app.screenHeight};
}

bool GUIElement::Contains(float px, float py) const {
    const float fx = static_cast<float>(x);
    const float fy = static_cast<float>(y);
    return px >= fx && px <= fx + static_cast<float>(right - x) * scaleX && py >= fy &&
           py <= fy + static_cast<float>(bottom - y) * scaleY;
}

GUIElement* GUIElement::HitTest(float px, float py, int mode) {
    if (!Contains(px, py)) return nullptr;
    for (GUIElement* child : children)
        if (GUIElement* found =
                child->HitTest(px - static_cast<float>(x), py - static_cast<float>(y), mode))
            return found;
    return this;
}

bool GUIElement::AddChild(GUIElement* child) {
    if (!child || child == this) return false;
    if (children.Insert(child, -1, true)) child->parent = this;
    return true;
}

bool GUIElement::RemoveChild(GUIElement* element) {
    if (!element) return false;
    if (children.Remove(element, false)) {
        element->parent = nullptr;
        return true;
    }
    for (GUIElement* child : children)
        if (child->RemoveChild(element)) return true;
    return false;
}

void GUIElement::Draw(float offsetX, float offsetY) {
    const float drawX = static_cast<float>(x) + offsetX;
    const float drawY = static_cast<float>(y) + offsetY;
    if (owner && drawOperation) {
        ElementDrawInfo info;
        info.element = this;
        info.left = source.left;
        info.top = source.top;
        info.right = source.right;
        info.bottom = source.bottom;
        info.x = drawX;
        info.y = drawY;
        info.scaleX = scaleX;
        info.scaleY = scaleY;
        (owner->*drawOperation)(info);
    }
    for (GUIElement* child : children)
        child->Draw(drawX, drawY);
}

void GUIElement::Layout() {
    const int width = static_cast<int>(SourceWidth() * scaleX);
    const int height = static_cast<int>(SourceHeight() * scaleY);
    int left = 0, rightMargin = 0, top = 0, bottomMargin = 0; // bottomMargin grows negative
    for (GUIElement* child : children) {
        switch (child->dock) {
        case DockLeft:
            child->MoveTo(left, top);
            left += static_cast<int>(child->SourceWidth() * scaleX);
            child->SetDisplayedHeight(height - top + bottomMargin);
            break;
        case DockRight:
            rightMargin += static_cast<int>(child->SourceWidth() * scaleX);
            child->MoveTo(width - rightMargin, top);
            child->SetDisplayedHeight(height - top + bottomMargin);
            break;
        case DockTop:
            child->MoveTo(left, top);
            top += static_cast<int>(child->SourceHeight() * scaleY);
            child->SetDisplayedWidth(width - left - rightMargin);
            break;
        case DockBottom:
            bottomMargin -= static_cast<int>(child->SourceHeight() * scaleY);
            child->MoveTo(left, height + bottomMargin);
            child->SetDisplayedWidth(width - left - rightMargin);
            break;
        default:
            break;
        }
    }
    const IntRect childBounds{0, 0, static_cast<int>((right - x) * scaleX),
                              static_cast<int>((bottom - y) * scaleY)};
    for (GUIElement* child : children) {
        if (child->dock == DockFill) {
            child->MoveTo(left, top);
            child->SetDisplayedHeight(SourceHeight() - top + bottomMargin);
            child->SetDisplayedWidth(SourceWidth() - left - rightMargin);
        }
        child->Layout();
        child->movementBounds = childBounds;
    }
}

void GUIElement::MoveBy(int dx, int dy) {
    if (right + dx <= movementBounds.right - movementBounds.left && x + dx >= 0) {
        x += dx;
        right += dx;
    }
    if (bottom + dy <= movementBounds.bottom - movementBounds.top && y + dy >= 0) {
        y += dy;
        bottom += dy;
    }
}

void GUIElement::Reset() {
    for (GUIElement* child : children)
        child->Reset();
}

void GUIElement::Activate(bool open) {
    // Only opening closes the siblings: a closing element telling its parent again would
    // make every sibling close every other one without end.
    if (open && parent) parent->CloseOthers(this);
}

void GUIElement::CloseOthers(GUIElement* except) {
    for (GUIElement* child : children) {
        if (child == except) continue;
        child->Activate(false);
        child->CloseOthers(except);
    }
}

void GUIElement::MoveTo(int newX, int newY) {
    x = newX;
    y = newY;
    right = x + SourceWidth();
    bottom = y + SourceHeight();
}

void GUIElement::AbsolutePosition(int& absX, int& absY) const {
    absX = x;
    absY = y;
    for (const GUIElement* p = parent; p; p = p->parent) {
        absX += p->x;
        absY += p->y;
    }
}

void GUIElement::SetSource(IntRect rect) {
    source = rect;
    right = x + source.Width();
    bottom = y + source.Height();
}

void GUIElement::SetDisplayedWidth(int width) {
    scaleX = (scalable && SourceWidth() != 0) ? static_cast<float>(width) / SourceWidth() : 1.0f;
}

void GUIElement::SetDisplayedHeight(int height) {
    scaleY = (scalable && SourceHeight() != 0) ? static_cast<float>(height) / SourceHeight() : 1.0f;
}
