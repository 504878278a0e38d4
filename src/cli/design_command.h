#pragma once

// spanrix-cli design: the steel design check of a saved beam as JSON.

#include <string>
#include <string_view>
#include <vector>

namespace spanrix::cli {

inline constexpr std::string_view kDesignSynopsis =
    "spanrix-cli design FILE [--section NAME] [--fy FY] [--method lrfd|asd]\n"
    "                          [--bracing continuous|X1,X2,...] [--cb diagram|1]\n"
    "                          [--live-limit N] [--total-limit N] [--case N=C]...\n"
    "                          [--self-weight | --weight W] [--all]";

inline constexpr std::string_view kDesignHelp =
    "design checks the beam in FILE as a rolled steel W, S, C or MC shape to AISC 360-16:\n"
    "flexure (yielding, lateral-torsional buckling, flange local buckling) in every\n"
    "unbraced segment, shear, and the live and total load deflection of every span, under\n"
    "every ASCE 7-16 combination of the method with the live loads (L, Lr, S) patterned\n"
    "span by span. It prints one JSON object; the exit status is 0 whether the beam passes\n"
    "or fails.\n"
    "\n"
    "  --section NAME  the shape, as the design data names it (\"W18 X 50\"); needed unless\n"
    "                  the file names the section its properties came from\n"
    "  --fy FY         the yield stress in psi or Pa (30 to 70 ksi, 207 to 483 MPa);\n"
    "                  default A992, 50 ksi (345 MPa), for W shapes, A36, 36 ksi (250 MPa),\n"
    "                  for S, C and MC shapes\n"
    "  --method M      lrfd (strength, the default) or asd (allowable stress)\n"
    "  --bracing B     the compression flange braced continuously, or at the supports and\n"
    "                  at the positions X1,X2,... (inches or metres); default: at the\n"
    "                  supports only\n"
    "  --cb C          Cb from the moment diagram of each segment (diagram, the default)\n"
    "                  or 1\n"
    "  --live-limit N  the live load deflection limit is span/N (default 360)\n"
    "  --total-limit N the total load (D + L + Lr + S) deflection limit is span/N (240)\n"
    "  --case N=C      the load of feature number N (as the legend numbers it) belongs to\n"
    "                  case C: D, L, Lr, S or W; loads are D unless given; may be repeated\n"
    "  --self-weight   add the section's weight as a uniform dead load\n"
    "  --weight W      add W (lb/in or N/m) as a uniform dead load instead\n"
    "  --all           list every combination in every segment and span, not only the\n"
    "                  governing one of each check\n"
    "\n"
    "An overhang's deflection limit is twice its length over N; a segment that ends at a\n"
    "free end takes Cb = 1.0. Values are in internal units: lb-in, lb, in. and psi\n"
    "(english) or N-m, N, m and Pa (metric).\n"
    "\n"
    "Output:\n"
    "  {\"section\":NAME,\"method\":\"lrfd\"|\"asd\",\"Fy\":FY,\n"
    "   \"checks\":[{\"check\":\"flexure\",\"combination\":C,\"pattern\":{\"L\":[1,3]},\n"
    "              \"segment\":[a,b],\"x\":x,\"demand\":Mu,\"capacity\":M,\"ratio\":r,\n"
    "              \"limitState\":S,\"Lb\":Lb,\"Lp\":Lp,\"Lr\":Lr,\"Cb\":Cb},\n"
    "             {\"check\":\"shear\",\"combination\":C,\"x\":x,\"demand\":Vu,\n"
    "              \"capacity\":V,\"ratio\":r},\n"
    "             {\"check\":\"deflection-live\",\"span\":[a,b],\"x\":x,\"demand\":d,\n"
    "              \"capacity\":D,\"ratio\":r},\n"
    "             {\"check\":\"deflection-total\",...}],\n"
    "   \"governing\":{\"check\":K,\"ratio\":r},\"pass\":true|false}\n"
    "  A check with nothing to check (no L loads for deflection-live) is left out.\n"
    "\n"
    "Exit status as for analyze; 4 also for a missing or unknown section and for a check\n"
    "that cannot be made (its message on standard error).\n";

// Runs the command on the words after "design".
int runDesign(const std::vector<std::string>& words);

}  // namespace spanrix::cli
