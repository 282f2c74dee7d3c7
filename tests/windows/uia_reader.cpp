// A UI Automation client for the tests, never shipped: reads the game's windows under Wine as a
// Windows screen reader does, and prints what it reads (uia_lines.h).
//
// Each line of stdin is a command: "window TITLE" prints the top-level window of that title
// ("root") and every element inside it ("element"), in the tree's order, then "end"; "again N"
// prints the same for the Nth element that the last "window" printed (0 is the window), read
// anew, as a screen reader reads the status bar again; "quit" ends. Every focus-changed event
// prints the focused element ("focus"); when the focus has entered another top-level window, first
// that window ("entered") and the texts directly inside it
// ("text"), as a screen reader reads a box that opens.
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

// The element and all below it: Wine 8's headers spell it TreeScope_SubTree, Wine 10's
// TreeScope_Subtree.
constexpr TreeScope kSubtree
    = TreeScope(TreeScope_Element | TreeScope_Children | TreeScope_Descendants);

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

// The properties printed, read once into each element's cache as it is found: Wine 10 reads
// them there, but not from the provider whenever asked (GetCurrentPropertyValue is a stub).
ComPtr<IUIAutomationCacheRequest> cacheRequest(IUIAutomation *automation)
{
    ComPtr<IUIAutomationCacheRequest> request;
    if (!succeeded(automation->CreateCacheRequest(&request), "CreateCacheRequest"))
        return nullptr;
    for (const PROPERTYID property :
         {UIA_NamePropertyId, UIA_ControlTypePropertyId, UIA_FullDescriptionPropertyId}) {
        if (!succeeded(request->AddProperty(property), "AddProperty"))
            return nullptr;
    }
    return request;
}

std::string text(BSTR value)
{
    std::string result = utf8(value, int(SysStringLen(value)));
    SysFreeString(value);
    return result;
}

std::string name(IUIAutomationElement *element)
{
    BSTR value = nullptr;
    element->get_CachedName(&value);
    return text(value);
}

// The full description, or the call that failed to give it.
void describe(Line &line, IUIAutomationElement *element)
{
    ComPtr<IUIAutomationElement6> sixth;
    BSTR value = nullptr;
    HRESULT result = element->QueryInterface(IID_PPV_ARGS(&sixth));
    if (SUCCEEDED(result))
        result = sixth->get_CachedFullDescription(&value);
    if (SUCCEEDED(result))
        line.text("description", text(value));
    else
        line.text("unread", "IUIAutomationElement6::get_CachedFullDescription");
}

CONTROLTYPEID controlType(IUIAutomationElement *element)
{
    CONTROLTYPEID type = 0;
    element->get_CachedControlType(&type);
    return type;
}

void printElement(const char *event, IUIAutomationElement *element)
{
    Line line(event);
    line.number("type", controlType(element)).text("name", name(element));
    describe(line, element);
    line.print();
}

// The root, as rootEvent, then every element of the scope under it in the tree's order, or its
// texts alone; gives what it found.
ComPtr<IUIAutomationElementArray>
printTree(IUIAutomation *automation, IUIAutomationCacheRequest *cache, IUIAutomationElement *root,
          TreeScope scope, const char *rootEvent, const char *event, bool textsOnly)
{
    ComPtr<IUIAutomationCondition> every;
    ComPtr<IUIAutomationElementArray> found;
    int count = 0;
    if (succeeded(automation->CreateTrueCondition(&every), "CreateTrueCondition")
        && succeeded(root->FindAllBuildCache(scope, every.Get(), cache, &found),
                     "FindAllBuildCache")) {
        found->get_Length(&count);
        for (int i = 0; i < count; ++i) {
            ComPtr<IUIAutomationElement> element;
            if (SUCCEEDED(found->GetElement(i, &element))
                && (i == 0 || !textsOnly || controlType(element.Get()) == UIA_TextControlTypeId))
                printElement(i == 0 ? rootEvent : event, element.Get());
        }
    }
    return found;
}

// The window of that title, whole; what it found is kept for "again".
void readWindow(IUIAutomation *automation, IUIAutomationCacheRequest *cache,
                const std::string &title, ComPtr<IUIAutomationElementArray> &read)
{
    const HWND handle = FindWindowW(nullptr, utf16(title).c_str());
    ComPtr<IUIAutomationElement> window;
    if (!handle)
        Line("failed").text("call", "FindWindowW").text("title", title).print();
    else if (succeeded(automation->ElementFromHandle(handle, &window), "ElementFromHandle"))
        read = printTree(automation, cache, window.Get(), kSubtree, "root", "element", false);
    Line("end").print();
}

// The element of that place in the last window read, whole, read anew.
void readAgain(IUIAutomation *automation, IUIAutomationCacheRequest *cache,
               IUIAutomationElementArray *read, int place)
{
    ComPtr<IUIAutomationElement> element;
    if (read && SUCCEEDED(read->GetElement(place, &element)))
        printTree(automation, cache, element.Get(), kSubtree, "root", "element", false);
    else
        Line("failed").text("call", "IUIAutomationElementArray::GetElement").print();
    Line("end").print();
}

// The window that has the keys and the texts directly inside it, when it is another than the
// last one: a screen reader reads a box's text as the box gets the focus.
void printEntered(IUIAutomation *automation, IUIAutomationCacheRequest *cache, HWND &last)
{
    const HWND foreground = GetForegroundWindow();
    ComPtr<IUIAutomationElement> window;
    if (foreground == last
        || !succeeded(automation->ElementFromHandle(foreground, &window), "ElementFromHandle"))
        return;
    last = foreground;
    printTree(automation, cache, window.Get(), TreeScope(TreeScope_Element | TreeScope_Children),
              "entered", "text", true);
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
    // The Windows 8 class, whose elements tell their full description.
    if (!succeeded(CoCreateInstance(CLSID_CUIAutomation8, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(&automation)),
                   "CoCreateInstance(CLSID_CUIAutomation8)"))
        return 3;
    const ComPtr<IUIAutomationCacheRequest> cache = cacheRequest(automation.Get());
    if (!cache)
        return 3;
    Queue queue;
    FocusHandler handler(queue);
    if (!succeeded(automation->AddFocusChangedEventHandler(cache.Get(), &handler),
                   "AddFocusChangedEventHandler"))
        return 3;
    std::thread([&queue] {
        std::string command;
        while (std::getline(std::cin, command))
            queue.push(command);
        queue.push(std::string("quit"));
    }).detach();
    Line("ready").print();

    HWND window = nullptr; // the window the focus was last in
    ComPtr<IUIAutomationElementArray> read; // what the last "window" found
    for (;;) {
        Item item = queue.pop();
        if (const auto *command = std::get_if<std::string>(&item)) {
            if (*command == "quit")
                break;
            if (command->starts_with("window "))
                readWindow(automation.Get(), cache.Get(), command->substr(7), read);
            else if (command->starts_with("again "))
                readAgain(automation.Get(), cache.Get(), read.Get(), std::stoi(command->substr(6)));
            continue;
        }
        IUIAutomationElement *focused = std::get<1>(item).Get();
        printEntered(automation.Get(), cache.Get(), window);
        printElement("focus", focused);
    }
    automation->RemoveAllEventHandlers();
    automation.Reset();
    CoUninitialize();
    return 0;
}
