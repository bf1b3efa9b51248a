#!/usr/bin/env python3
"""Writes the shipped tables data/QORApara.qdt, data/QORAInsu.qdt and data/QORAcost.qdt.

Pipe dimensions: iron pipe by nominal pipe size with Schedule 40 walls, copper tube
ASTM B88 type L. Millimetre values are the inch values times 25.4, to 0.1 mm. The files
are written exactly as the program writes them (LF line ends, UTF-8, the English
comment lines), so reading and writing them back gives the same bytes.
"""
import math
import os
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data")

SYSTEMS = ["Eng. Unit ", " SI Unit  ", "kCal Unit"]
LABELS = {
    1: ["°F", "°C", "°C"],
    2: ["Btu.in/hr.sqft.°F", "W/m.°C", "kCal/hr.m.°C"],
    4: ["in.", "mm.", "mm."],
    12: ["hr.sqft.°F/Btu", "°C.sq.m./W", "hr.sq.m.°C/kCal"],
}
QUANTITY = {1: "T,Temperature", 2: "k,Thermal Conductivity", 4: "t,Thickness",
            5: "RH,Relative Humidity", 12: "R,Resistant"}

# Nominal size, outside diameter (in.), Schedule 40 wall (in.), metric name.
IRON = [
    ('1/8"', 0.405, 0.068, "DN6"), ('1/4"', 0.540, 0.088, "DN8"),
    ('3/8"', 0.675, 0.091, "DN10"), ('1/2"', 0.840, 0.109, "DN15"),
    ('3/4"', 1.050, 0.113, "DN20"), ('1"', 1.315, 0.133, "DN25"),
    ('1-1/4"', 1.660, 0.140, "DN32"), ('1-1/2"', 1.900, 0.145, "DN40"),
    ('2"', 2.375, 0.154, "DN50"), ('2-1/2"', 2.875, 0.203, "DN65"),
    ('3"', 3.500, 0.216, "DN80"), ('3-1/2"', 4.000, 0.226, "DN90"),
    ('4"', 4.500, 0.237, "DN100"), ('5"', 5.563, 0.258, "DN125"),
    ('6"', 6.625, 0.280, "DN150"), ('8"', 8.625, 0.322, "DN200"),
    ('10"', 10.750, 0.365, "DN250"), ('12"', 12.750, 0.406, "DN300"),
    ('14"', 14.000, 0.438, "DN350"), ('16"', 16.000, 0.500, "DN400"),
    ('18"', 18.000, 0.562, "DN450"), ('20"', 20.000, 0.594, "DN500"),
    ('24"', 24.000, 0.688, "DN600"),
]
# Nominal size, outside diameter (in.), type L wall (in.).
COPPER = [
    ('1/4"', 0.375, 0.030), ('3/8"', 0.500, 0.035), ('1/2"', 0.625, 0.040),
    ('5/8"', 0.750, 0.042), ('3/4"', 0.875, 0.045), ('1"', 1.125, 0.050),
    ('1-1/4"', 1.375, 0.055), ('1-1/2"', 1.625, 0.060), ('2"', 2.125, 0.070),
    ('2-1/2"', 2.625, 0.080), ('3"', 3.125, 0.090), ('3-1/2"', 3.625, 0.100),
    ('4"', 4.125, 0.110), ('5"', 5.125, 0.125), ('6"', 6.125, 0.140),
    ('8"', 8.125, 0.200), ('10"', 10.125, 0.250), ('12"', 12.125, 0.280),
]

K_CHILLED_IP = [0.16, 0.18, 0.20, 0.22, 0.24, 0.25, 0.26, 0.28, 0.30, 0.32]
K_HOT_IP = [0.22, 0.24, 0.25, 0.26, 0.27, 0.28, 0.30, 0.32, 0.35, 0.40]
K_FACTOR = [1.0, 0.144, 0.124]  # Btu.in/hr.sqft.°F to W/m.°C and to kCal/hr.m.°C
RH = [50, 55, 60, 65, 70, 75, 80, 85, 90, 95]
R_IP = [2, 3, 4, 5, 6, 8, 10, 12, 15, 20]
R_FACTOR = [1.0, 0.1761, 0.1761 * 1.163]  # to °C.sq.m./W and to hr.sq.m.°C/kCal
TSURF_C = [35, 38, 40, 43, 45, 48, 50, 55, 60, 65]

# Insulation sheets: nominal thickness name and value per system.
SHEET_IN = ['1/4"', '3/8"', '1/2"', '3/4"', '1"', '1-1/4"', '1-1/2"', '2"', '2-1/2"', '3"',
            '3-1/2"', '4"']
SHEET_IN_VALUE = ["0.25", "0.375", "0.5", "0.75", "1.0", "1.25", "1.5", "2.0", "2.5", "3.0",
                  "3.5", "4.0"]
SHEET_MM = [6, 10, 13, 19, 25, 32, 38, 50, 63, 75, 89, 100]


def mm(inches, places=1):
    return f"{inches * 25.4:.{places}f}"


def write(name, lines):
    with open(os.path.join(OUT, name), "w", encoding="utf-8", newline="\n") as f:
        for line in lines:
            f.write(line + "\n")
    return len(lines)


def unit_comment(u, code):
    return f"{SYSTEMS[u]}:{QUANTITY[code]}:{LABELS[code][u]}"


def param_file():
    lines = []
    for ptype, rows in (("Iron Pipe (IPS)", IRON), ("Copper Pipe", COPPER)):
        lines.append(";" + ptype)
        for u in range(3):
            lines.append(";" + unit_comment(u, 4))
            for i in range(40):
                if i >= len(rows):
                    lines += ["", "", ""]
                    continue
                name, od, wall = rows[i][0], rows[i][1], rows[i][2]
                inside = od - 2 * wall
                if u == 0:
                    lines += [name, f"{od:.3f}", f"{inside:.3f}"]
                else:
                    metric = rows[i][3] if len(rows[i]) > 3 else name
                    lines += [metric, mm(od), mm(inside)]
    for title, ks in ((";k,Chilled Water ", K_CHILLED_IP), (";k,Hot Water ", K_HOT_IP)):
        for u in range(3):
            lines.append(title + unit_comment(u, 2))
            lines += [f"{k:.2f}" if u == 0 else f"{k * K_FACTOR[u]:.4f}" for k in ks]
    lines.append(QUANTITY[5] + "(%)")
    lines += [str(v) for v in RH]
    for u in range(3):
        lines.append(f"{QUANTITY[12]}:{LABELS[12][u]}")
        for r in R_IP:
            value = r * R_FACTOR[u]
            if u == 0:
                lines += [f"R-{r}", str(r)]
            elif u == 1:
                lines += [f"RSI-{value:.2f}", f"{value:.2f}"]
            else:
                lines += [f"R-{value:.2f}", f"{value:.2f}"]
    for u in range(3):
        lines.append(";" + unit_comment(u, 1))
        lines += [f"{c * 1.8 + 32:.0f}" if u == 0 else str(c) for c in TSURF_C]
    assert write("QORApara.qdt", lines) == 901


# Insulation tubes: made to slip over copper tube and over iron pipe.
TUBES = [("CU " + n, od) for n, od, _ in COPPER[:13]] + [("IPS " + n, od) for n, od, _, _ in IRON[1:16]]


def insul_file():
    lines = ["; Insulation Sheet"]
    for u in range(3):
        lines.append(";" + unit_comment(u, 4))
        for i in range(12):
            if u == 0:
                lines += [SHEET_IN[i], SHEET_IN_VALUE[i]]
            else:
                lines += [f"{SHEET_MM[i]} mm", str(SHEET_MM[i])]
    lines.append("; ID of Insulation Tube")
    for u in range(3):
        lines.append(";" + unit_comment(u, 4))
        for i in range(40):
            if i >= len(TUBES):
                lines += ["", ""]
                continue
            name, od = TUBES[i]
            # A tube's bore clears the pipe by about 1 mm so that it slides on.
            lines += [name, f"{od + 0.04:.2f}" if u == 0 else f"{od * 25.4 + 1.0:.1f}"]
    lines.append("; Actual Thickness of Insulation Tube")
    for u in range(3):
        lines.append(";" + unit_comment(u, 4))
        for r in range(12):
            for c in range(40):
                if c >= len(TUBES):
                    lines.append("")
                    continue
                od_mm = TUBES[c][1] * 25.4
                # Thick walls are not made on the smallest bores.
                if SHEET_MM[r] > 2 * od_mm + 25:
                    lines.append("")
                    continue
                # Moulded tubes come out slightly thicker than nominal: +5 %, at least
                # 0.5 mm (0.02 in.).
                if u == 0:
                    nominal = float(SHEET_IN_VALUE[r])
                    lines.append(f"{nominal + max(0.02, 0.05 * nominal):.3f}")
                else:
                    nominal = SHEET_MM[r]
                    lines.append(f"{nominal + max(0.5, 0.05 * nominal):.1f}")
    assert write("QORAInsu.qdt", lines) == 1764


THICKNESS_MM = [3, 6, 10, 13, 20, 25, 32, 38, 44, 50, 56, 63, 70, 75, 100]


def cost(od_mm, t_mm):
    # Baht per metre installed: material by the volume of the insulation
    # (about 14,000 Baht per cubic metre), fixing and jacketing by the size.
    volume = math.pi * (od_mm + t_mm) * t_mm * 1e-6
    return 40.0 + 0.35 * od_mm + 14000.0 * volume


def cost_file():
    lines = ["Installed cost per metre in Baht: insulation, fixing and labour"]
    for title, rows in (("IPS : Insulation cost", IRON), ("Copper Pipe : Insulation cost", COPPER)):
        lines.append(title)
        for c in range(40):
            for t in THICKNESS_MM:
                lines.append(f"{cost(rows[c][1] * 25.4, t):.2f}" if c < len(rows) else "0.00")
    assert write("QORAcost.qdt", lines) == 1203


if __name__ == "__main__":
    param_file()
    insul_file()
    cost_file()
