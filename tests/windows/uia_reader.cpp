// A UI Automation client for the tests, never shipped: reads the game's windows under Wine as a
// Windows screen reader does, and prints what it reads (uia_lines.h).
//
// Each line of stdin is a command: "window TITLE" prints the top-level window of that title
// ("window") and every element inside it ("element"), in the tree's order, then "end"; "quit"
// ends. Every focus-changed event prints the focused element ("focus"); when the focus has entered
// another top-level window, first that window ("entered") and its texts ("text"), as a screen
// reader reads a box that opens.
#include "uia_lines.h"

#include <initguid.h>
#include <uiautomationclient.h>
#include <wrl/client.h>

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <iostream>
#include <mutex>
#include <thread>
#include <variant>

using Microsoft::WRL::ComPtr;

namespace {

// What the main thread acts on, in the order it came: a command, or a focused element.
using Item = std::variant<std::string, ComPtr<IUIAutomationElement>>;

class Queue
{
public:
    void push(Item item)
    {
        {
            const std::lock_guard<std::mutex> held(m_lock);
            m_items.push_back(std::move(item));
        }
        m_added.notify_one();
    }

    Item pop()
    {
        std::unique_lock<std::mutex> held(m_lock);
        m_added.wait(held, [this] { return !m_items.empty(); });
        Item item = std::move(m_items.front());
        m_items.pop_front();
        return item;
    }

private:
    std::mutex m_lock;
    std::condition_variable m_added;
    std::deque<Item> m_items;
};

bool succeeded(HRESULT result, const char *call)
{
    if (SUCCEEDED(result))
        return true;
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lx", static_cast<unsigned long>(result));
    Line("failed").text("call", call).text("hr", code).print();
    return false;
}

std::string stringProperty(IUIAutomationElement *element, PROPERTYID property)
{
    VARIANT value;
    VariantInit(&value);
    std::string result;
    if (SUCCEEDED(element->GetCurrentPropertyValue(property, &value)) && value.vt == VT_BSTR)
        result = utf8(value.bstrVal, int(SysStringLen(value.bstrVal)));
    VariantClear(&value);
    return result;
}

CONTROLTYPEID controlType(IUIAutomationElement *element)
{
    CONTROLTYPEID type = 0;
    element->get_CurrentControlType(&type);
    return type;
}

void printElement(const char *event, IUIAutomationElement *element)
{
    Line(event)
        .number("type", controlType(element))
        .text("name", stringProperty(element, UIA_NamePropertyId))
        .text("description", stringProperty(element, UIA_FullDescriptionPropertyId))
        .print();
}

// Every element under the root, in the tree's order; or its texts alone.
void printInside(IUIAutomation *automation, IUIAutomationElement *root, const char *event,
                 bool textsOnly)
{
    ComPtr<IUIAutomationCondition> every;
    ComPtr<IUIAutomationElementArray> found;
    int count = 0;
    if (succeeded(automation->CreateTrueCondition(&every), "CreateTrueCondition")
        && succeeded(root->FindAll(TreeScope_Descendants, every.Get(), &found), "FindAll")) {
        found->get_Length(&count);
        for (int i = 0; i < count; ++i) {
            ComPtr<IUIAutomationElement> element;
            if (SUCCEEDED(found->GetElement(i, &element))
                && (!textsOnly || controlType(element.Get()) == UIA_TextControlTypeId))
                printElement(event, element.Get());
        }
    }
}

void readWindow(IUIAutomation *automation, const std::string &title)
{
    const HWND handle = FindWindowW(nullptr, utf16(title).c_str());
    ComPtr<IUIAutomationElement> window;
    if (!handle)
        Line("failed").text("call", "FindWindowW").text("title", title).print();
    else if (succeeded(automation->ElementFromHandle(handle, &window), "ElementFromHandle")) {
        printElement("window", window.Get());
        printInside(automation, window.Get(), "element", false);
    }
    Line("end").print();
}

// The top-level window that holds the element: the last ancestor below the desktop.
ComPtr<IUIAutomationElement> topLevel(IUIAutomation *automation, IUIAutomationElement *element)
{
    ComPtr<IUIAutomationTreeWalker> walker;
    if (!succeeded(automation->get_ControlViewWalker(&walker), "get_ControlViewWalker"))
        return nullptr;
    ComPtr<IUIAutomationElement> below(element), current(element), parent;
    while (SUCCEEDED(walker->GetParentElement(current.Get(), &parent)) && parent) {
        below = current;
        current = parent;
        parent.Reset();
    }
    return below;
}

class FocusHandler : public IUIAutomationFocusChangedEventHandler
{
public:
    explicit FocusHandler(Queue &queue)
        : m_queue(queue)
    { }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (id != IID_IUnknown && id != IID_IUIAutomationFocusChangedEventHandler) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    // Lives on main()'s stack until every handler is removed.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement *sender) override
    {
        m_queue.push(ComPtr<IUIAutomationElement>(sender));
        return S_OK;
    }

private:
    Queue &m_queue;
};

} // namespace

int main()
{
    if (!succeeded(CoInitializeEx(nullptr, COINIT_MULTITHREADED), "CoInitializeEx"))
        return 3;
    ComPtr<IUIAutomation> automation;
    if (!succeeded(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(&automation)),
                   "CoCreateInstance(CLSID_CUIAutomation)"))
        return 3;
    Queue queue;
    FocusHandler handler(queue);
    if (!succeeded(automation->AddFocusChangedEventHandler(nullptr, &handler),
                   "AddFocusChangedEventHandler"))
        return 3;
    std::thread([&queue] {
        std::string command;
        while (std::getline(std::cin, command))
            queue.push(command);
        queue.push(std::string("quit"));
    }).detach();
    Line("ready").print();

    std::string window; // the name of the top-level window the focus was last in
    for (;;) {
        Item item = queue.pop();
        if (const auto *command = std::get_if<std::string>(&item)) {
            if (*command == "quit")
                break;
            if (command->starts_with("window "))
                readWindow(automation.Get(), command->substr(7));
            continue;
        }
        IUIAutomationElement *focused = std::get<1>(item).Get();
        if (const ComPtr<IUIAutomationElement> top = topLevel(automation.Get(), focused)) {
            const std::string name = stringProperty(top.Get(), UIA_NamePropertyId);
            if (name != window) {
                window = name;
                printElement("entered", top.Get());
                printInside(automation.Get(), top.Get(), "text", true);
            }
        }
        printElement("focus", focused);
    }
    automation->RemoveAllEventHandlers();
    automation.Reset();
    CoUninitialize();
    return 0;
}
