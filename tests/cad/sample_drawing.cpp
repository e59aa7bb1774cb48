#include "sample_drawing.h"

#include <cmath>

namespace trb::cad::test {

void DrawSample(CadDevice& device) {
    device.Open();
    device.Limits(0, 0, 210, 148.5L);
    device.Tables(2);
    device.BlocksBegin();
    device.Pen(3);
    device.BlockBegin("MARK");
    device.Circle(0, 0, 2);
    device.Line(-3, 0, 3, 0);
    device.BlockEnd();
    device.EndSection();
    device.EntitiesBegin();

    device.Pen(5);
    device.Line(10, 10, 200, 10);
    device.Circle(105, 74.25L, 30);
    device.Arc(105, 74.25L, 0, 90, 40);
    device.Arc(105, 74.25L, 0, 360, 20);
    device.Pen(1);
    device.Line(60, 74.25L, 150, 74.25L);

    TextStyle style;
    style.height = 3.5L;
    style.widthFactor = 0.7L;
    device.Pen(4);
    device.Text(
        "Lagerbreite \x81"
        "ber 5 mm",
        20, 130, style);  // "ü" in code page 850
    style.angle = 90;
    device.Text("B = 40", 8, 40, style);

    device.Pen(17);
    device.Solid(150, 20, 160, 20, 150, 30, 160, 30);

    // A closed polyline: a straight side and a half circle (included angle pi).
    device.Pen(2);
    if (device.DrawsPolylines()) {
        device.PolylineBegin(1);
        device.Vertex(0, 30, 40);
        device.Vertex(std::tan(3.14159265358979323846L / 4), 50, 40);
        device.Vertex(0, 30, 40);
        device.PolylineEnd();
    } else {
        device.Line(30, 40, 50, 40);
        device.Arc(40, 40, 0, 180, 10);
    }

    device.Pen(0);
    device.Insert("MARK", 1, 1, 0, 105, 74.25L);
    device.Insert("MARK", 1, 1, 30, 180, 120);
    device.EndSection();
    device.Close();
}

}  // namespace trb::cad::test
