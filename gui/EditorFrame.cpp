#include "EditorFrame.h"

#include <new>

#include "Bitmap.h"
#include "DrawContext.h"
#include "EditBoxColours.h"
#include "EditorWindowClass.h"
#include "GuiEditor.h"
#include "KnobMode.h"

#include "AudioEffectX.h"

EditorFrame::EditorFrame(const Rect& frameSize, void* parent, GuiEditor* owner)
    : View(frameSize), editor(owner), parentWindow(parent) {
    if (!parent) return;
    windowClassRegistered = editorwindowclass::registerClass();
    if (!windowClassRegistered) return;
    window = platform::createChildWindow(parent, editorwindowclass::className(), frameSize.width(),
                                         frameSize.height(), &link);
}

EditorFrame::~EditorFrame() {
    if (window) {
        if (!savedCursor) savedCursor = platform::currentCursor(window);
        platform::applyCursor(window, savedCursor);
    }
    // The modal view is not owned and may be one of the views released below.
    modalView = nullptr;
    removeAllViews(true);
    if (background) background->release();
    background = nullptr;
    if (window) platform::destroyWindow(window);
    window = nullptr;
    if (windowClassRegistered) editorwindowclass::unregisterClass();
    delete[] views;
}

bool EditorFrame::grow() {
    View** bigger = new (std::nothrow) View*[std::size_t(capacity + kGrowBy)];
    if (!bigger) {
        delete[] views;
        views = nullptr;
        capacity = 0;
        count = 0;
        return false;
    }
    for (std::int32_t i = 0; i < count; ++i) bigger[i] = views[i];
    delete[] views;
    views = bigger;
    capacity += kGrowBy;
    return true;
}

bool EditorFrame::addView(View* view) {
    if (!view) return false;
    if (count == capacity && !grow()) return false;
    views[count++] = view;
    view->setFrame(this);
    view->onAttached(this);
    return true;
}

bool EditorFrame::removeView(View* view, bool releaseView) {
    for (std::int32_t i = 0; i < count; ++i) {
        if (views[i] != view) continue;
        for (std::int32_t k = i + 1; k < count; ++k) views[k - 1] = views[k];
        --count;
        if (focusView == view) focusView = nullptr;
        if (modalView == view) modalView = nullptr;
        view->onRemoved(this);
        if (releaseView) view->release();
        return true;
    }
    return false;
}

bool EditorFrame::removeAllViews(bool releaseViews) {
    if (focusView) {
        focusView->loseFocus(nullptr);
        focusView = nullptr;
    }
    // Taken off the list first, so a view's onRemoved sees a consistent frame.
    while (count > 0) {
        View* view = views[--count];
        view->onRemoved(this);
        if (releaseViews) view->release();
    }
    return true;
}

bool EditorFrame::contains(View* view) {
    for (std::int32_t i = 0; i < count; ++i)
        if (views[i] == view) return true;
    return false;
}

void EditorFrame::setBackgroundBitmap(Bitmap* bitmap) {
    if (background) background->release();
    background = bitmap;
    if (background) background->retain();
}

bool EditorFrame::setModalView(View* view) {
    if (view && modalView) return false;
    if (modalView) modalView->onRemoved(this);
    modalView = view;
    if (modalView) modalView->onAttached(this);
    return true;
}

void EditorFrame::setFocusView(View* view) {
    View* previous = focusView;
    focusView = view;
    if (previous && previous != view) previous->loseFocus(nullptr);
}

void EditorFrame::drawViewsKeepingDirty(DrawContext* context) {
    for (std::int32_t i = 0; i < count; ++i) {
        const bool wasDirty = views[i]->needsRedraw();
        views[i]->draw(context);
        views[i]->markDirty(wasDirty);
    }
}

void EditorFrame::draw(DrawContext* context) {
    awaitingFirstPaint = false;
    if (background && context)
        background->draw(*context, Rect(0, 0, background->getWidth(), background->getHeight()));
    drawViewsKeepingDirty(context);
    if (modalView) modalView->draw(context);
}

void EditorFrame::update(DrawContext* context) {
    if (!open) return;
    if (modalView) {
        modalView->update(context);
    } else if (needsRedraw()) {
        draw(context);
        markDirty(false);
    } else {
        for (std::int32_t i = 0; i < count; ++i) views[i]->update(context);
    }
}

void EditorFrame::mouseDown(DrawContext* context, Point& where) {
    if (focusView) {
        View* losing = focusView;
        focusView = nullptr;
        losing->loseFocus(nullptr);
    }
    if (modalView) {
        if (modalView->getSize().contains(where)) modalView->mouseDown(context, where);
        return;
    }
    for (std::int32_t i = count - 1; i >= 0; --i) {
        View* view = views[i];
        if (view->getMouseEnabled() && view->getSize().contains(where)) {
            view->mouseDown(context, where);
            return;
        }
    }
}

bool EditorFrame::onDrop(DrawContext* context, void** items, std::int32_t itemCount, std::int32_t type, Point where) {
    if (modalView || focusView) return false;
    for (std::int32_t i = count - 1; i >= 0; --i) {
        View* view = views[i];
        if (view->getMouseEnabled() && view->getSize().contains(where) &&
            view->onDrop(context, items, itemCount, type, where))
            return true;
    }
    return false;
}

bool EditorFrame::onWheel(DrawContext* context, const Point& where, float distance) {
    if (modalView) return modalView->onWheel(context, where, distance);
    for (std::int32_t i = count - 1; i >= 0; --i) {
        View* view = views[i];
        if (view->getMouseEnabled() && view->getSize().contains(where)) return view->onWheel(context, where, distance);
    }
    return false;
}

bool EditorFrame::anythingDirty() {
    if (modalView || needsRedraw()) return true;
    for (std::int32_t i = 0; i < count; ++i)
        if (views[i]->needsRedraw()) return true;
    return false;
}

void EditorFrame::idle() {
    if (!open || awaitingFirstPaint || !window || !anythingDirty()) return;
    std::unique_ptr<Canvas> canvas = platform::windowCanvas(window);
    if (!canvas) return;
    DrawContext context(this, canvas.get(), window);
    update(&context);
}

void EditorFrame::pumpWindowEvents() {
    if (window && open) platform::pumpWindowEvents(window);
}

void EditorFrame::drawSingleView(View* view) {
    if (!window || !open) return;
    std::unique_ptr<Canvas> canvas = platform::windowCanvas(window);
    if (!canvas) return;
    DrawContext context(this, canvas.get(), window);
    if (view && contains(view))
        view->draw(&context);
    else
        draw(&context);
}

void EditorFrame::cursorPosition(Point& point) {
    const Point screen = platform::cursorScreenPosition();
    const Point origin = window ? platform::windowScreenOrigin(window) : Point();
    point = Point(screen.h - origin.h, screen.v - origin.v);
}

View* EditorFrame::viewUnderCursor() {
    Point where;
    cursorPosition(where);
    for (std::int32_t i = count - 1; i >= 0; --i)
        if (views[i]->getSize().contains(where)) return views[i];
    return nullptr;
}

void EditorFrame::setCursor(int kind) {
    if (!window) return;
    if (kind == 0) {
        if (!savedCursor) savedCursor = platform::currentCursor(window);
        platform::applyCursor(window, savedCursor);
        return;
    }
    void* cursor = platform::standardCursor(platform::CursorKind(kind));
    if (!cursor) return;
    if (!savedCursor) savedCursor = platform::currentCursor(window);
    platform::applyCursor(window, cursor);
}

void EditorFrame::beginEdit(std::int32_t tag) {
    if (editor && editor->getEffect()) editor->getEffect()->beginEdit(tag);
}

void EditorFrame::endEdit(std::int32_t tag) {
    if (editor && editor->getEffect()) editor->getEffect()->endEdit(tag);
}

void EditorFrame::serviceDuringDrag() {
    if (editor) editor->serviceDuringDrag();
}

std::uint32_t EditorFrame::getTicks() { return editor ? platform::tickCountMs() : 0; }

std::int32_t EditorFrame::getKnobMode() { return editorKnobMode(); }

bool EditorFrame::setSize(int, int) { return false; }

bool EditorFrame::getPosition(int& h, int& v) {
    h = 0;
    v = 0;
    return false;
}

bool EditorFrame::getSize(Rect& rect) {
    rect = size;
    return true;
}

void EditorFrame::WindowLink::paint(Canvas& canvas) {
    DrawContext context(&frame, &canvas, frame.window);
    frame.draw(&context);
}

void EditorFrame::WindowLink::buttonDown(Canvas& canvas, Point point) {
    DrawContext context(&frame, &canvas, frame.window);
    frame.mouseDown(&context, point);
}

void EditorFrame::WindowLink::windowDestroyed() {
    frame.open = false;
    frame.parentWindow = nullptr;
    frame.window = nullptr;
}

bool EditorFrame::WindowLink::editBoxColours(Colour& text, Colour& back) {
    auto* source = dynamic_cast<EditBoxColourSource*>(frame.focusView);
    return source && source->editBoxColours(text, back);
}
