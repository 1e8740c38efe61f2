#include "MarkedWeb.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace varelo {

void MarkedModule::loaded() {
    zoom.load();
    marks_.resetScreenLine(rightEdge());
}

bool MarkedModule::viewEvent(const std::string &name, double a, bool &moved) {
    if (name == "Spin1_SpinUp" || name == "Spin1_SpinDown") {
        moved = name == "Spin1_SpinUp" ? zoom.zoomIn() : zoom.zoomOut();
        return true;
    }
    if (name != "HScroll1_Change" && name != "VScroll1_Change")
        return false;
    const PanRange &r = zoom.range();
    const bool h = name[0] == 'H';
    moved = std::isfinite(a);
    if (moved) {
        const int v = static_cast<int>(
            std::clamp(a, double(h ? r.hMin : r.vMin), double(h ? r.hMax : r.vMax)));
        h ? zoom.setPanX(v) : zoom.setPanY(v);
    }
    return true;
}

bool MarkedModule::symbolEvent(const std::string &name, MarkerUpdate &m) {
    if (name == "Picture2_Click")
        m = markers.pointSymbol();
    else if (name == "Picture3_Click")
        m = markers.eyeSymbol();
    else if (name == "Picture4_Click")
        m = markers.rasterSymbol();
    else if (name == "Picture5_Click")
        m = markers.lineSymbol();
    else
        return false;
    return true;
}

std::string MarkedModule::facesJson() const {
    std::ostringstream o;
    o << "\"Picture2\":" << markers.pointFace << ",\"Picture3\":" << markers.eyeFace
      << ",\"Picture4\":" << markers.rasterFace << ",\"Picture5\":" << markers.lineFace;
    return o.str();
}

std::string MarkedModule::panBarsJson() const {
    const PanRange &r = zoom.range();
    std::ostringstream o;
    o << "\"HScroll1\":[" << r.hMin << ',' << r.hMax << ',' << zoom.hSmall() << ',' << zoom.hLarge()
      << ',' << zoom.panX() << "],\"VScroll1\":[" << r.vMin << ',' << r.vMax << ',' << zoom.vSmall()
      << ',' << zoom.vLarge() << ',' << zoom.panY() << ']';
    return o.str();
}

} // namespace varelo
