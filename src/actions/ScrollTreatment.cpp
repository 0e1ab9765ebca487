#include "actions/ScrollTreatment.h"

namespace q5 {
namespace {

struct TreatedClass {
    std::u16string_view className;
    ScrollTreatment treatment;
};

constexpr TreatedClass kTreatedClasses[] = {
    {u"_WwG", ScrollTreatment::kParentMessages},
    {u"AVL_AVView", ScrollTreatment::kParentMessages},
    {u"paneClassDC", ScrollTreatment::kParentMessages},
    {u"VISIOG", ScrollTreatment::kParentMessages},
    {u"PSViewC", ScrollTreatment::kParentMessages},
    {u"EditControl", ScrollTreatment::kParentMessages},
    {u"FrontPageEditorDocumentView", ScrollTreatment::kParentMessages},
    {u"OGrid", ScrollTreatment::kParentMessages},
    {u"OFormSub", ScrollTreatment::kParentMessages},
    {u"OPrtPrevPage", ScrollTreatment::kParentMessages},
    {u"EXCEL7", ScrollTreatment::kArrowClick},
    {u"MozillaWindowClass", ScrollTreatment::kBrowserKeys},
    {u"Chrome_RenderWidgetHostHWND", ScrollTreatment::kBrowserKeys},
    {u"OperaWindowClass", ScrollTreatment::kBrowserKeys},
};

}  // namespace

ScrollTreatment ChooseScrollTreatment(std::u16string_view className) {
    for (const auto& entry : kTreatedClasses) {
        if (entry.className == className) {
            return entry.treatment;
        }
    }
    return ScrollTreatment::kGeneric;
}

}  // namespace q5
