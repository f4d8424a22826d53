#include "tools/element_records.h"

#include <array>

namespace corrolab {

namespace {

// One record per element, ascending atomic number. Fields, in order:
//   1 name
//   2 symbol
//   3 atomic number
//   4 atomic weight, g/mol
//   5 atomic radius, angstrom
//   6 boiling point, deg C
//   7 melting point, deg C
//   8 density, kg/m^3 (gases: the liquid at its boiling point)
//   9 heat of vaporisation, kJ/mol
//  10 heat of fusion, kJ/mol
//  11 electrical conductivity, 10^6 per ohm-cm
//  12 thermal conductivity, W/(m K)
//  13 specific heat, J/(g K)
//  14 first ionisation energy, eV
//  15 electronegativity, Pauling scale
//  16 valence (0 for the noble gases)
//  17 equivalent weight, g (atomic weight / valence)
//  18 crystal structure
//  19 discoverer
//  20 year of discovery
//  21 electron configuration, subshells in filling order
//  22 uses
// "--" marks a value that is not known. Actinium has no conductivity entry
// at all: its field 11 is empty.
// clang-format off
constexpr std::array<std::string_view, 109> kRecords{
    "Hydrogen,H,1,1.008,0.250,-253,-259,71,0.9,0.1,--,0.182,14.304,13.598,2.200,1,1.01,Hexagonal,Henry Cavendish,1766,1s1,Ammonia synthesis and rocket fuel",
    "Helium,He,2,4.003,1.200,-269,--,126,0.1,--,--,0.152,5.193,24.587,--,0,--,Hexagonal,William Ramsay/Nils Langlet/P.T. Cleve,1895,1s2,Balloons and welding shield gas",
    "Lithium,Li,3,6.940,1.450,1342,181,534,148.0,2.9,0.105,84.800,3.582,5.392,0.980,1,6.94,Body centered,Johann Arfwedson,1817,[He] 2s1,Batteries and greases",
    "Beryllium,Be,4,9.012,1.050,2468,1287,1850,309.0,12.2,0.263,201.000,1.825,9.323,1.570,2,4.51,Hexagonal,Friedrich Wohler and A.A. Bussy,1798,[He] 2s2,Copper alloys and X-ray windows",
    "Boron,B,5,10.810,0.850,4000,2077,2340,504.5,23.6,--,27.400,1.026,8.298,2.040,3,3.60,Tetragonal,Humphry Davy/J.L. Gay-Lussac/L.J. Thenard,1808,[He] 2s2 2p1,Glass and steel hardening",
    "Carbon,C,6,12.011,0.700,3825,--,2260,--,--,0.001,1.590,0.709,11.260,2.550,4,3.00,Cubic,Known to the ancients,--,[He] 2s2 2p2,Steel making and electrodes",
    "Nitrogen,N,7,14.007,0.650,-196,-210,808,--,--,--,0.026,1.040,14.534,3.040,3,4.67,Hexagonal,Daniel Rutherford,1772,[He] 2s2 2p3,Fertilizers and inert blanketing",
    "Oxygen,O,8,15.999,0.600,-183,-219,1141,--,--,--,0.027,0.918,13.618,3.440,2,8.00,Cubic,Joseph Priestley and Carl Wilhelm Scheele,1774,[He] 2s2 2p4,Steel making and life support",
    "Fluorine,F,9,18.998,0.500,-188,-220,1505,6.5,0.5,--,0.028,0.824,17.423,3.980,1,19.00,Monoclinic,Henri Moissan,1886,[He] 2s2 2p5,Fluoropolymers and toothpaste",
    "Neon,Ne,10,20.180,1.600,-246,-249,1207,1.7,--,--,--,1.030,21.565,--,0,--,Face centered,William Ramsay and M.W. Travers,1898,[He] 2s2 2p6,Advertising signs",
    "Sodium,Na,11,22.990,1.800,883,98,970,97.9,2.6,0.204,142.000,1.228,5.139,0.930,1,22.99,Body centered,Humphry Davy,1807,[Ne] 3s1,Heat transfer fluid and street lamps",
    "Magnesium,Mg,12,24.312,1.500,1090,650,1740,131.8,9.2,0.227,156.000,1.023,7.646,1.310,2,12.16,Hexagonal,Humphry Davy,1808,[Ne] 3s2,Light alloys and sacrificial anodes",
    "Aluminum,Al,13,26.982,1.250,2519,660,2700,284.1,10.8,0.370,237.000,0.897,5.986,1.610,3,8.99,Face centered,Hans Christian Oersted,1825,[Ne] 3s2 3p1,Aircraft and packaging",
    "Silicon,Si,14,28.086,1.100,3265,1414,2330,383.0,50.6,0.000,149.000,0.712,8.152,1.900,4,7.02,Cubic,Jons Berzelius,1824,[Ne] 3s2 3p2,Semiconductors and steel alloying",
    "Phosphorus,P,15,30.984,1.000,281,44,--,49.8,2.5,--,--,0.769,10.487,2.190,--,--,Cubic,Hennig Brand,1669,[Ne] 3s2 3p3,Fertilizers and matches",
    "Sulfur,S,16,32.064,1.000,445,115,2070,10.5,1.2,--,0.270,0.708,10.360,2.580,2,16.03,Orthorhombic,Known to the ancients,--,[Ne] 3s2 3p4,Sulfuric acid and rubber vulcanizing",
    "Chlorine,Cl,17,35.450,1.000,-34,-102,1563,20.4,6.4,--,0.009,0.479,12.968,3.160,1,35.45,Orthorhombic,Carl Wilhelm Scheele,1774,[Ne] 3s2 3p5,Water treatment and PVC",
    "Argon,Ar,18,39.948,0.710,-186,-189,1395,6.5,--,--,0.018,0.520,15.760,--,0,--,Face centered,William Ramsay and Lord Rayleigh,1894,[Ne] 3s2 3p6,Welding shield gas and lamps",
    "Potassium,K,19,39.098,2.200,759,64,890,76.9,2.3,0.133,102.500,0.757,4.341,0.820,1,39.10,Body centered,Humphry Davy,1807,[Ar] 4s1,Fertilizers",
    "Calcium,Ca,20,40.078,1.800,1484,842,1540,153.6,9.2,0.294,--,0.647,6.113,1.000,2,20.04,Face centered,Humphry Davy,1808,[Ar] 4s2,Steel deoxidizer and cement",
    "Scandium,Sc,21,44.956,1.600,2836,1541,2990,332.7,15.8,0.018,15.800,0.568,6.561,1.360,3,14.99,Hexagonal,Lars Nilson,1879,[Ar] 4s2 3d1,Aluminum alloys and lamps",
    "Titanium,Ti,22,47.900,1.400,3287,1670,4510,422.6,18.8,0.025,21.900,0.523,6.828,1.540,4,11.98,Hexagonal,William Gregor,1791,[Ar] 4s2 3d2,Aircraft and chemical plant",
    "Vanadium,V,23,50.942,1.350,3407,1910,6100,460.0,17.5,0.050,30.700,0.489,6.746,1.630,2,25.47,Body centered,Nils Sefstrom,1830,[Ar] 4s2 3d3,Alloy steels",
    "Chromium,Cr,24,51.996,1.400,2671,1907,7190,342.0,21.0,0.079,93.900,0.449,6.767,1.660,3,17.33,Body centered,Louis Vauquelin,1797,[Ar] 4s1 3d5,Stainless steel and plating",
    "Manganese,Mn,25,54.938,1.400,2061,1246,7430,221.0,13.4,0.007,--,0.479,7.434,1.550,2,27.47,Cubic,Johann Gahn,1774,[Ar] 4s2 3d5,Steel making and batteries",
    "Iron,Fe,26,55.847,1.400,2861,1538,7860,340.0,13.8,0.100,80.400,0.449,7.902,1.830,2,27.92,Body centered,Known to the ancients,--,[Ar] 4s2 3d6,Steel and cast iron",
    "Cobalt,Co,27,58.933,1.350,2927,1495,8900,389.1,15.5,0.167,100.000,0.421,7.881,1.880,2,29.47,Hexagonal,George Brandt,1739,[Ar] 4s2 3d7,Superalloys and magnets",
    "Nickel,Ni,28,58.710,1.350,2913,1455,8900,378.6,17.6,0.139,90.900,0.444,7.640,1.910,2,29.36,Face centered,Axel Cronstedt,1751,[Ar] 4s2 3d8,Stainless steel and plating",
    "Copper,Cu,29,63.540,1.350,2560,1085,8960,304.6,13.0,0.581,401.000,0.385,7.726,1.900,1,63.54,Face centered,Known to the ancients,--,[Ar] 4s1 3d10,Electrical wiring and plumbing",
    "Zinc,Zn,30,65.370,1.350,907,420,7140,114.8,7.3,0.167,116.000,0.388,9.394,1.650,2,32.69,Hexagonal,Known to the ancients,--,[Ar] 4s2 3d10,Galvanizing and die casting",
    "Gallium,Ga,31,69.723,1.300,2229,30,5910,270.3,5.6,0.071,28.100,0.373,5.999,1.810,3,23.24,Orthorhombic,Paul Emile Lecoq de Boisbaudran,1875,[Ar] 4s2 3d10 4p1,Semiconductors",
    "Germanium,Ge,32,72.630,1.250,2833,938,5323,328.0,36.8,0.000,60.200,0.320,7.899,2.010,4,18.16,Cubic,Clemens Winkler,1886,[Ar] 4s2 3d10 4p2,Transistors and infrared optics",
    "Arsenic,As,33,74.992,1.150,616,817,5720,32.4,--,0.030,--,0.329,9.789,2.180,3,25.00,Rhombohedral,Known to the ancients,--,[Ar] 4s2 3d10 4p3,Wood preservatives and semiconductors",
    "Selenium,Se,34,78.960,1.150,685,221,4790,59.7,5.2,--,0.520,0.321,9.752,2.550,3,26.32,Hexagonal,Jons Berzelius,1818,[Ar] 4s2 3d10 4p4,Photocells and glass",
    "Bromine,Br,35,79.904,1.150,59,-7,3103,29.6,10.6,--,0.005,0.474,11.814,2.960,1,79.90,Orthorhombic,Antoine J. Balard,1826,[Ar] 4s2 3d10 4p5,Flame retardants",
    "Krypton,Kr,36,83.798,--,-153,-157,2413,9.1,--,--,0.010,0.248,14.000,--,0,--,Face centered,William Ramsay and M.W. Travers,1898,[Ar] 4s2 3d10 4p6,Lighting",
    "Rubidium,Rb,37,85.468,2.350,688,39,1530,75.8,2.2,0.075,58.200,0.363,4.177,0.820,1,85.47,Body centered,Robert Bunsen and Gustav Kirchhoff,1861,[Kr] 5s1,Atomic clocks and photocells",
    "Strontium,Sr,38,87.620,2.000,1377,777,2640,144.0,9.2,0.074,--,0.306,5.695,0.950,2,43.81,Face centered,A. Crawford,1790,[Kr] 5s2,Fireworks and magnets",
    "Yttrium,Y,39,88.906,1.800,3345,1522,4470,367.0,11.5,0.017,--,0.298,6.217,1.220,3,29.64,Hexagonal,Johann Gadolin,1789,[Kr] 5s2 4d1,Phosphors and superconductors",
    "Zirconium,Zr,40,91.224,1.550,4406,1854,6520,567.0,19.2,0.023,22.700,0.278,6.634,1.330,4,22.81,Hexagonal,Martin Klaproth,1789,[Kr] 5s2 4d2,Nuclear fuel cladding",
    "Niobium,Nb,41,92.906,1.450,4741,2477,8570,680.0,26.8,0.066,53.700,0.265,6.759,1.600,5,18.58,Body centered,Charles Hatchet,1801,[Kr] 5s1 4d4,Alloy steels and superconductors",
    "Molybdenum,Mo,42,95.940,1.450,4639,2622,10200,590.0,28.0,0.182,--,0.251,7.092,2.160,3,31.98,Body centered,Carl Wilhelm Scheele,1778,[Kr] 5s1 4d5,Alloy steels",
    "Technetium,Tc,43,97.907,1.350,4262,2157,11000,585.0,23.8,0.045,50.600,--,7.119,2.100,7,13.99,Hexagonal,Carlo Perrier and Emilio Segre,1937,[Kr] 5s2 4d5,Medical imaging",
    "Ruthenium,Ru,44,101.070,1.300,4147,2333,12100,--,25.5,0.141,117.000,0.238,7.361,2.200,3,33.69,Hexagonal,Karl Klaus,1844,[Kr] 5s1 4d7,Electrical contacts and catalysts",
    "Rhodium,Rh,45,102.905,1.350,3695,1963,12400,494.0,21.8,0.233,150.000,0.243,7.459,2.280,3,34.30,Face centered,William Wollaston,1803,[Kr] 5s1 4d8,Catalysts and plating",
    "Palladium,Pd,46,106.400,1.400,2963,1555,12000,372.4,17.2,0.093,71.800,0.246,8.337,2.200,2,53.20,Face centered,William Wollaston,1803,[Kr] 4d10,Catalysts and dental alloys",
    "Silver,Ag,47,107.870,1.600,2162,962,10500,254.1,12.0,0.613,429.000,0.235,7.576,1.930,1,107.87,Face centered,Known to the ancients,--,[Kr] 5s1 4d10,Photography and jewelry",
    "Cadmium,Cd,48,112.400,1.550,767,321,8650,59.1,6.1,0.143,96.900,0.232,8.994,1.690,2,56.20,Hexagonal,Friedrich Stromeyer,1817,[Kr] 5s2 4d10,Plating and batteries",
    "Indium,In,49,114.818,1.550,2027,157,7310,225.1,3.2,0.125,81.800,0.233,5.786,1.780,3,38.27,Tetragonal,Ferdinand Reich and T. Richter,1863,[Kr] 5s2 4d10 5p1,Solders and displays",
    "Tin,Sn,50,118.690,1.450,2586,232,7300,296.0,7.1,0.087,66.800,0.227,7.344,1.960,2,59.35,Tetragonal,Known to the ancients,--,[Kr] 5s2 4d10 5p2,Food cans and solder",
    "Antimony,Sb,51,121.750,1.450,1587,631,6620,195.2,20.1,0.025,24.430,0.207,8.608,2.050,3,40.58,Rhombohedral,Known to the ancients,--,[Kr] 5s2 4d10 5p3,Lead hardening and batteries",
    "Tellurium,Te,52,127.600,1.400,988,450,6232,49.8,17.9,0.000,14.300,0.202,9.010,2.100,4,31.90,Hexagonal,Franz Muller von Reichenstein,1782,[Kr] 5s2 4d10 5p4,Alloying and solar cells",
    "Iodine,I,53,126.904,1.400,184,114,4933,42.0,15.5,--,--,0.214,10.451,2.660,1,126.90,Orthorhombic,Bernard Courtois,1811,[Kr] 5s2 4d10 5p5,Antiseptics and photography",
    "Xenon,Xe,54,131.293,--,-108,-112,2942,12.7,--,--,0.006,0.158,12.130,2.600,0,--,Face centered,William Ramsay and M.W. Travers,1898,[Kr] 5s2 4d10 5p6,Lamps and anesthesia",
    "Cesium,Cs,55,132.905,2.600,671,29,1873,68.3,2.1,0.048,35.900,0.242,3.894,0.790,1,132.91,Body centered,Robert Bunsen and Gustav Kirchhoff,1860,[Xe] 6s1,Atomic clocks",
    "Barium,Ba,56,137.327,2.150,1845,727,3620,142.0,7.7,0.029,--,0.204,5.212,0.890,2,68.66,Body centered,Humphry Davy,1808,[Xe] 6s2,Drilling mud and X-ray contrast",
    "Lanthanum,La,57,138.905,1.950,3464,920,6150,402.0,8.5,0.016,13.400,0.195,5.577,1.100,3,46.30,Hexagonal,Carl Mosander,1839,[Xe] 6s2 5d1,Camera lenses and batteries",
    "Cerium,Ce,58,140.120,1.850,3443,799,6670,398.0,5.2,0.014,11.300,0.192,5.539,1.120,3,46.71,Face centered,W. Hisinger/J. Berzelius/M. Klaproth,1803,[Xe] 6s2 4f1 5d1,Lighter flints and polishing",
    "Praseodymium,Pr,59,140.908,1.850,3520,931,6773,331.0,11.3,0.014,12.500,0.193,5.470,1.130,3,46.97,Hexagonal,Carl Auer von Welsbach,1885,[Xe] 6s2 4f3,Magnets and glass coloring",
    "Neodymium,Nd,60,144.242,1.850,3074,1016,7010,289.0,7.1,0.016,--,0.190,5.525,1.140,3,48.08,Hexagonal,Carl Auer von Welsbach,1885,[Xe] 6s2 4f4,Permanent magnets and lasers",
    "Promethium,Pm,61,144.913,1.850,--,1042,7260,--,--,0.013,17.900,--,5.582,--,3,48.30,--,J.A. Marinsky/L.E. Glendenin/C.D. Coryell,1945,[Xe] 6s2 4f5,Luminous paint and nuclear batteries",
    "Samarium,Sm,62,150.360,1.850,1794,1072,7520,165.0,8.9,0.011,--,0.197,5.644,1.170,3,50.12,Rhombohedral,Paul Emile Lecoq de Boisbaudran,1879,[Xe] 6s2 4f6,Permanent magnets",
    "Europium,Eu,63,151.964,1.850,1529,822,5240,176.0,--,0.011,13.900,0.182,5.670,--,3,50.65,Body centered,Eugene Demarcay,1901,[Xe] 6s2 4f7,Phosphors",
    "Gadolinium,Gd,64,157.250,1.800,3273,1313,7900,398.0,--,0.008,--,0.236,6.150,1.200,3,52.42,Hexagonal,Jean de Marignac,1880,[Xe] 6s2 4f7 5d1,MRI contrast and neutron shielding",
    "Terbium,Tb,65,158.925,1.750,3230,1359,8230,389.0,--,0.009,11.100,0.182,5.864,--,3,52.98,Hexagonal,Carl Mosander,1843,[Xe] 6s2 4f9,Phosphors and magnetostrictive alloys",
    "Dysprosium,Dy,66,162.500,1.750,2567,1412,8550,291.0,--,0.011,10.700,0.173,5.939,1.220,3,54.17,Hexagonal,Paul Emile Lecoq de Boisbaudran,1886,[Xe] 6s2 4f10,Magnets and control rods",
    "Holmium,Ho,67,164.930,1.750,2700,1472,8800,301.0,--,0.012,--,0.165,6.022,1.230,3,54.98,Hexagonal,J.L. Soret,1878,[Xe] 6s2 4f11,Lasers and magnets",
    "Erbium,Er,68,167.259,1.750,2868,1529,9070,317.0,--,0.012,--,0.168,6.108,1.240,3,55.75,Hexagonal,Carl Mosander,1843,[Xe] 6s2 4f12,Fiber optic amplifiers",
    "Thulium,Tm,69,168.934,1.750,1950,1545,9321,232.0,--,0.015,--,0.160,6.184,1.250,3,56.31,Hexagonal,Per Theodor Cleve,1879,[Xe] 6s2 4f13,Portable X-ray sources",
    "Ytterbium,Yb,70,173.045,1.750,1196,824,6900,159.0,3.4,0.040,--,0.155,6.254,--,3,57.68,Face centered,Jean de Marignac,1878,[Xe] 6s2 4f14,Lasers and steel additive",
    "Lutetium,Lu,71,174.967,1.750,3402,1663,9840,414.0,--,0.017,--,0.154,5.426,1.000,3,58.32,Hexagonal,Georges Urbain,1907,[Xe] 6s2 4f14 5d1,Catalysts and PET detectors",
    "Hafnium,Hf,72,178.490,1.550,4600,2233,13300,575.0,25.1,0.029,23.000,0.144,6.825,1.300,4,44.62,Hexagonal,Dirk Coster and Georg von Hevesy,1923,[Xe] 6s2 4f14 5d2,Nuclear control rods",
    "Tantalum,Ta,73,180.948,1.450,5455,3017,16400,758.0,24.7,0.074,57.500,0.140,7.550,1.500,5,36.19,Body centered,Anders Ekeberg,1802,[Xe] 6s2 4f14 5d3,Capacitors and chemical plant",
    "Wolfram,W,74,183.850,1.350,5555,3414,19300,824.0,35.0,0.185,173.000,0.132,7.864,1.700,6,30.64,Body centered,Fausto and Juan Jose de Elhuyar,1783,[Xe] 6s2 4f14 5d4,Lamp filaments and tool steels",
    "Rhenium,Re,75,186.207,1.350,5590,3185,20800,704.0,34.0,0.056,48.000,0.137,7.834,1.900,7,26.60,Hexagonal,Walter Noddack/Ida Tacke/Otto Berg,1925,[Xe] 6s2 4f14 5d5,Superalloys and catalysts",
    "Osmium,Os,76,190.230,1.300,5008,3033,22587,738.0,31.7,0.123,--,0.130,8.438,2.200,4,47.56,Hexagonal,Smithson Tennant,1804,[Xe] 6s2 4f14 5d6,Pen nibs and electrical contacts",
    "Iridium,Ir,77,192.220,1.350,4428,2446,--,604.0,27.6,0.213,147.000,0.131,8.967,2.200,3,64.07,Face centered,S. Tennant/A.F. Fourcroy/L.N. Vauquelin/H.V. Collet-Descotils,1804,[Xe] 6s2 4f14 5d7,Spark plugs and crucibles",
    "Platinum,Pt,78,195.090,1.350,3825,1768,21400,470.0,21.8,0.094,71.600,0.133,8.959,2.200,2,97.55,Face centered,Julius Scaliger,1735,[Xe] 6s1 4f14 5d9,Catalysts and jewelry",
    "Gold,Au,79,196.967,1.350,2836,1064,19300,340.0,12.7,0.455,318.000,0.129,9.226,2.400,3,65.66,Face centered,Known to the ancients,--,[Xe] 6s1 4f14 5d10,Jewelry and electronics",
    "Mercury,Hg,80,200.590,1.500,357,-39,13600,58.5,2.3,0.010,8.300,0.140,10.438,1.900,1,200.59,Rhombohedral,Known to the ancients,--,[Xe] 6s2 4f14 5d10,Thermometers and amalgams",
    "Thallium,Tl,81,204.380,1.900,1473,304,11800,162.4,4.3,0.067,46.100,0.129,6.108,1.800,1,204.38,Hexagonal,Sir William Crookes,1861,[Xe] 6s2 4f14 5d10 6p1,Infrared optics",
    "Lead,Pb,82,207.190,1.800,1749,327,11400,177.8,4.8,0.048,35.300,0.130,7.417,1.800,2,103.60,Face centered,Known to the ancients,--,[Xe] 6s2 4f14 5d10 6p2,Batteries and radiation shielding",
    "Bismuth,Bi,83,208.980,1.600,1564,271,9800,172.0,11.0,0.008,7.900,0.122,7.286,1.900,3,69.66,Rhombohedral,Known to the ancients,--,[Xe] 6s2 4f14 5d10 6p3,Fusible alloys and pharmaceuticals",
    "Polonium,Po,84,209.000,1.900,962,254,9200,102.9,10.0,0.025,--,--,8.418,2.000,4,52.25,Cubic,Pierre and Marie Curie,1898,[Xe] 6s2 4f14 5d10 6p4,Static eliminators",
    "Astatine,At,85,210.000,--,--,302,--,--,--,--,--,--,9.318,2.200,1,210.00,--,D.R. Corson/K.R. MacKenzie/E. Segre,1940,[Xe] 6s2 4f14 5d10 6p5,Research only",
    "Radon,Rn,86,222.000,--,-62,-71,4400,18.1,--,--,0.004,0.094,10.749,--,0,--,Face centered,Friedrich Ernst Dorn,1898,[Xe] 6s2 4f14 5d10 6p6,Radiotherapy",
    "Francium,Fr,87,223.000,--,--,21,--,--,15.0,--,--,--,4.073,0.700,1,223.00,Body centered,Marguerite Derey,1939,[Rn] 7s1,Research only",
    "Radium,Ra,88,226.000,2.150,--,696,5000,113.0,9.6,0.010,--,--,5.278,0.900,2,113.00,--,Pierre and Marie Curie,1898,[Rn] 7s2,Luminous paint",
    "Actinium,Ac,89,227.000,1.950,3200,1050,10000,292.9,10.5,,--,0.120,5.380,1.100,3,75.67,Face centered,Andre Debierne,1899,[Rn] 7s2 6d1,Neutron sources",
    "Thorium,Th,90,232.038,1.800,4785,1750,11700,513.7,16.1,0.067,--,0.118,6.307,1.300,4,58.01,Face centered,Jons Berzelius,1828,[Rn] 7s2 6d2,Gas mantles and nuclear fuel",
    "Protactinium,Pa,91,231.036,1.800,--,1572,15400,481.2,16.7,0.056,--,--,5.890,1.500,5,46.21,Tetragonal,Frederick Soddy/John Cranston/Otto Hahn/Lise Meitner,1917,[Rn] 7s2 5f2 6d1,Research only",
    "Uranium,U,92,238.029,1.750,4131,1135,19100,417.0,12.6,0.036,27.500,0.116,6.194,1.700,6,39.67,Orthorhombic,Martin Klaproth,1789,[Rn] 7s2 5f3 6d1,Nuclear fuel",
    "Neptunium,Np,93,237.000,1.750,--,644,20200,336.0,9.6,0.008,--,--,6.266,1.300,5,47.40,Orthorhombic,E.M. McMillan and P.H. Abelson,1940,[Rn] 7s2 5f4 6d1,Neutron detectors",
    "Plutonium,Pu,94,244.000,1.750,3228,640,19700,343.5,2.8,0.007,--,--,6.026,1.300,4,61.00,Monoclinic,G.T. Seaborg/J.W. Kennedy/E.M. McMillan/A.C. Wahl,1940,[Rn] 7s2 5f6,Nuclear fuel",
    "Americium,Am,95,243.000,1.750,--,1176,12000,238.5,10.0,--,--,--,5.974,--,3,81.00,--,G.T. Seaborg/R.A. James/L.O. Morgan/A. Ghiorso,1945,[Rn] 7s2 5f7,Smoke detectors",
    "Curium,Cm,96,247.000,--,--,1345,13510,--,--,--,--,--,5.992,--,3,82.33,--,G.T. Seaborg/R.A. James/A. Ghiorso,1944,[Rn] 7s2 5f7 6d1,Space power sources",
    "Berkelium,Bk,97,247.000,--,--,986,14780,--,--,--,--,--,6.198,--,3,82.33,--,G.T. Seaborg/S.G. Thompson/A. Ghiorso,1949,[Rn] 7s2 5f9,Research only",
    "Californium,Cf,98,251.000,--,--,900,15100,--,--,--,--,--,6.282,--,3,83.67,--,G.T. Seaborg/S.G. Thompson/A. Ghiorso/K. Street Jr.,1950,[Rn] 7s2 5f10,Neutron sources",
    "Einsteinium,Es,99,252.000,--,--,860,--,--,--,--,--,--,6.368,--,3,84.00,--,Argonne/Los Alamos/U of Calif,1952,[Rn] 7s2 5f11,Research only",
    "Fermium,Fm,100,257.095,--,--,1527,--,--,--,--,--,--,6.500,--,--,--,--,Argonne/Los Alamos/U of Calif,1953,[Rn] 7s2 5f12,Research only",
    "Mendelevium,Md,101,258.000,--,--,827,--,--,--,--,--,--,6.580,--,--,--,--,G.T. Seaborg/S.G. Thompson/A. Ghiorso/B.G. Harvey/G.R. Choppin,1955,[Rn] 7s2 5f13,Research only",
    "Nobelium,No,102,259.000,--,--,827,--,--,--,--,--,--,6.626,--,--,--,--,Nobel Institute for Physics,1957,[Rn] 7s2 5f14,Research only",
    "Lawrencium,Lr,103,262.000,--,--,1627,--,--,--,--,--,--,4.960,--,--,--,--,A. Ghiorso/T. Sikkeland/A.E. Larsh/R.M. Latimer,1961,[Rn] 7s2 5f14 7p1,Research only",
    // 104 to 109 carry the names IUPAC gave them ("Names and symbols of transfermium
    // elements", IUPAC Recommendations 1997, Pure Appl. Chem. 69, 2471); the table keeps
    // the symbols it has always had, which the grid and the catalogue use.
    "Rutherfordium,Unq,104,267.000,--,--,--,--,--,--,--,--,--,--,--,--,--,--,A. Ghiorso et al,1969,[Rn] 7s2 5f14 6d2,Research only",
    "Dubnium,Unp,105,268.000,--,--,--,--,--,--,--,--,--,--,--,--,--,--,A. Ghiorso et al,1970,[Rn] 7s2 5f14 6d3,Research only",
    "Seaborgium,Unh,106,271.000,--,--,--,--,--,--,--,--,--,--,--,--,--,--,Soviet Nuclear Research/U. of Cal at Berkeley,1974,[Rn] 7s2 5f14 6d4,Research only",
    "Bohrium,Uns,107,274.000,--,--,--,--,--,--,--,--,--,--,--,--,--,--,Heavy Ion Research Laboratory (HIRL),1976,[Rn] 7s2 5f14 6d5,Research only",
    "Hassium,Uno,108,269.000,--,--,--,--,--,--,--,--,--,--,--,--,--,--,Heavy Ion Research Laboratory (HIRL),1984,[Rn] 7s2 5f14 6d6,Research only",
    "Meitnerium,Une,109,276.000,--,--,--,--,--,--,--,--,--,--,--,--,--,--,Heavy Ion Research Laboratory (HIRL),1982,[Rn] 7s2 5f14 6d7,Research only",
};
// clang-format on

} // namespace

std::span<const std::string_view> ElementRecords()
{
    return kRecords;
}

} // namespace corrolab
