// A client of UI Automation, the interface Narrator, NVDA and JAWS read, in a process of its own as theirs
// are: prints the kind (its control type) and the name of every element under a window, one a line,
// "50000<TAB>Napred", in UTF-8.
// Usage: uia_walk HWND   (the window's handle, in decimal)
#include <windows.h>

#include <uiautomation.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string utf8(const wchar_t* text) {
    if (!text || !*text) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.pop_back();
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: uia_walk HWND\n");
        return 2;
    }
    const auto window = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(argv[1], nullptr, 10)));
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
        return 1;
    }
    IUIAutomation* automation = nullptr;
    IUIAutomationElement* root = nullptr;
    IUIAutomationCondition* every = nullptr;
    IUIAutomationCacheRequest* request = nullptr;
    IUIAutomationElementArray* found = nullptr;
    // The names and kinds come with the elements, in one call, as a screen reader asks for them.
    if (FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                                reinterpret_cast<void**>(&automation))) ||
        FAILED(automation->ElementFromHandle(window, &root)) ||
        FAILED(automation->CreateTrueCondition(&every)) || FAILED(automation->CreateCacheRequest(&request)) ||
        FAILED(request->AddProperty(UIA_NamePropertyId)) ||
        FAILED(request->AddProperty(UIA_ControlTypePropertyId)) ||
        FAILED(root->FindAllBuildCache(TreeScope_Subtree, every, request, &found))) {
        std::fprintf(stderr, "UI Automation could not read the window\n");
        return 1;
    }
    int count = 0;
    found->get_Length(&count);
    for (int i = 0; i < count; ++i) {
        IUIAutomationElement* element = nullptr;
        if (FAILED(found->GetElement(i, &element))) {
            continue;
        }
        CONTROLTYPEID type = 0;
        BSTR name = nullptr;
        element->get_CachedControlType(&type);
        element->get_CachedName(&name);
        const std::string line = std::to_string(type) + '\t' + utf8(name) + '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
        SysFreeString(name);
        element->Release();
    }
    found->Release();
    request->Release();
    every->Release();
    root->Release();
    automation->Release();
    CoUninitialize();
    return 0;
}
