#include "alloys/alloy_catalogue.h"

namespace corrolab {

namespace {

// Nominal compositions in weight percent. Each string is a list of tokens separated by single
// spaces; a token is a percentage followed by an element symbol ("0.5Mg"). The percentage may be a
// range ("12-14Cu") or absent for an element present only in traces ("Pb"). Values are mid-range
// figures of the published limits with the base metal as the remainder; elements that are given
// only as a maximum are left out.
//
// No token puts a one-letter symbol straight after the digit 0 ("80W", "10C"): the older rule of
// splitting a token by its last two characters reads such a token wrongly. The 80/20 and 70/30
// tungsten-copper grades are therefore written 79.9/20.1 and 69.9/30.1, well inside their
// +-2 % tolerance, and the tungsten heavy alloys listed are the 92.5, 95 and 97 % classes.
//
// Steels, stainless steels, nickel alloys, copper alloys and titanium grades take the mid-range
// of their UNS/ASTM limits (ASTM A29 for 1018, 1020, 4130 and 4140; ASTM A240 for 316L, 2205
// and 17-4PH; ASTM B575 for C-276, B424 for 825, F2063 for Nitinol; ASTM B152, B16 and B111
// for C11000, C36000 and C68700; ASTM B265 for the titanium grades, whose elements given only
// as a maximum are left out so that Grade 2 is written as pure titanium). The A36 row is the
// typical analysis of a plate, not a range. 14K yellow gold has no standard composition: the row
// is a common 585 gold-copper-silver yellow.
//
// The third field is the alloy's handbook density in g/cm^3 (0 where no source gives one). The
// equivalent weight by ASTM G102 uses it in place of a mean of the element densities. Sources:
//   aluminium wrought and casting alloys: Aluminum Association "Aluminum Standards and Data" and
//     ASM Handbook Vol. 2 (property tables of 2014, 2017, 2024, 3003, 5052, 6061, 7075, 295.0,
//     319.0, 355.0, 356.0, 413.0, 535.0, 713.0, 850.0);
//   copper alloys: Copper Development Association data sheets for the UNS numbers named (C11000,
//     C17200, C21000, C23000, C26000, C27000, C28000, C36000, C44300, C46400, C51000, C61000,
//     C62300, C63000, C65500, C68700, C70600, C71000, C71500, C75200, C77000, C83600, C90500),
//     constantan and manganin from the resistance-alloy makers' data (8.9, 8.4);
//   irons and steels: ASM Handbook Vol. 1 (cast irons, carbon and low-alloy steels 7.85-7.87,
//     stainless 302/304/316/316L 8.00, 410/430 7.80, T1 8.67), ASTM A240 makers' sheets for 2205
//     and 17-4PH (7.80), Carpenter data for Invar 36 and Kovar, the MMPA for Alnico 5;
//   nickel alloys: Special Metals and Haynes data sheets (400, K-500, 600, 625, 825, B-3, C-276),
//     Kanthal Nikrothal data for the nichromes, thermocouple-alloy data for Chromel and Alumel,
//     ASTM F2063 suppliers for Nitinol (6.45);
//   magnesium alloys: ASM Handbook Vol. 2; zinc die-casting alloys: International Zinc
//     Association / ASTM B86 and B669 data;
//   tin and lead solders and babbitts: solder makers' data (Sn63, 60/40, 40/60, 95/5, SAC305) and
//     the specific gravities of ASTM B23;
//   fusible alloys: Wood's metal 9.67, Field's metal 7.88, Bi58Sn42 8.56 (indium-alloy makers);
//   platinum alloys: thermocouple-wire data (Pt-6/10/13/30Rh), the BIPM prototype kilograms
//     (Pt-10Ir 21.55, measured 21.548-21.552) and ASTM B684 contact-alloy data, which give the
//     platinum-iridium grades 22 to two figures (Pt-30Ir);
//   silver: sterling 10.36, BAg-8 10.0 (brazing-alloy makers); tungsten heavy alloys: the middle
//     of the ASTM B777 class ranges; Stellite 6 and 21, TZM: Kennametal and Plansee data;
//   titanium: ASTM B265 / ASM Handbook Vol. 2 (Grades 2, 7, 12 4.51; Grade 9 4.48; Grade 5 4.43).
// Rows whose figure was corrected, or whose second source disagrees by more than 1 %, and the
// rows added for the duplex, superaustenitic, nickel, cobalt, bronze and aluminium grades, name
// their sources in a comment of their own. alloys/density_sources.md lists the second source
// found for each other handbook density, and the rows for which none was found.
//
// Aluminum keeps the traditional catalogue entries under their traditional strings:
//   Alclad 17 ST       the 17S (2017) core alloy, nominally 4 Cu, 0.5 Mg, 0.5 Mn, written "94Al"
//                      so that about 1 % of iron and silicon is left unlisted; it totals 99.
//   Aluminum Alloy 3S  the 3003-type aluminum-manganese alloy, 1.2 Mn.
//   Lynite 122         the 122 casting alloy, Al-10Cu-1.2Fe-0.2Mg.
//   The 12-14 % copper casting alloy is written "89Al 12-14Cu", which totals 101 when the range
//   is read from its low end; the aluminum-zinc die casting alloy lists its lead and tin traces.
//
// Rows beyond the usual handbook set: Palladium (ASTM B685 and B540 contact alloys, Pd-Ni 80/20),
// Tungsten (ASTM B777 classes, W-Re thermocouple alloys), Molybdenum (Mo-41Re, Mo-47.5Re),
// Manganese (low-carbon ferromanganese) and Silicon (ferrosilicon 15 and 45, calcium-silicon).
// Cerium and Mercury have fewer than five alloys: few named alloys of either exist.

constexpr Alloy kAluminum[] = {
    {"Duralumin (classic)", "95Al 4Cu 0.5Mg 0.5Mn", 2.79},
    // 2024: 2.78, checked against the AmesWeb table of aluminium alloy densities.
    {"Aluminum Alloy 24S (2024)", "93.4Al 4.5Cu 1.5Mg 0.6Mn", 2.78},
    // 7075: Zn 5.1-6.1, Mg 2.1-2.9, Cu 1.2-2.0, Cr 0.18-0.28 (Aluminum Association limits);
    // 2.81 in AA "Aluminum Standards and Data" and ASM Handbook Vol. 2 (ASM MatWeb 7075-O: 2.81).
    {"Aluminum Alloy 75S (7075)", "90.07Al 5.6Zn 2.5Mg 1.6Cu 0.23Cr", 2.81},
    {"Aluminum Alloy 17S (2017)", "94.2Al 4Cu 0.7Mn 0.6Mg 0.5Si", 2.79},
    {"Aluminum Alloy 3S", "98.8Al 1.2Mn", 2.73},
    {"Aluminum Alloy 52S (5052)", "97.25Al 2.5Mg 0.25Cr", 2.68},
    {"Aluminum Alloy 61S (6061)", "97.9Al 1Mg 0.6Si 0.28Cu 0.2Cr", 2.70},
    {"Aluminum Alloy 14S (2014)", "93.4Al 4.45Cu 0.85Si 0.8Mn 0.5Mg", 2.80},
    {"Y-alloy", "92.5Al 4Cu 2Ni 1.5Mg"},
    {"Aluminum casting alloy 142 (242.0)", "92.5Al 4Cu 2Ni 1.5Mg"},
    {"Aluminum casting alloy 195 (295.0)", "94.4Al 4.5Cu 1.1Si", 2.81},
    {"Aluminum casting alloy 356 (356.0)", "92.7Al 7Si 0.3Mg", 2.68},
    {"Aluminum casting alloy 355 (355.0)", "93.2Al 5Si 1.3Cu 0.5Mg", 2.71},
    {"Aluminum casting alloy 319 (Allcast)", "90.5Al 6Si 3.5Cu", 2.79},
    {"Almag 35 (535.0)", "92.84Al 6.8Mg 0.18Mn 0.18Ti", 2.62},
    {"Tenzaloy (613, 713.0)", "91.45Al 7.5Zn 0.7Cu 0.35Mg", 2.81},
    {"Aluminum bearing alloy 750 (850.0)", "91.8Al 6.2Sn 1Cu 1Ni", 2.88},
    {"Silumin (Alpax)", "87Al 13Si", 2.66},
    {"Magnalium", "95Al 5Mg"},
    {"Alclad 17 ST", "94Al 4Cu 0.5Mg 0.5Mn", 2.79},
    {"Lynite 122", "88.6Al 10Cu 1.2Fe 0.2Mg"},
    {"Aluminum-copper casting alloy (12-14% copper)", "89Al 12-14Cu"},
    {"Aluminum-zinc die casting alloy (21% zinc)", "77Al 21Zn 1.1Cu 0.5Fe Pb Sn"},
    // 3003: Mn 1.0-1.5, Cu 0.05-0.20 (AA limits); 2.73 in AA Standards and Data and ASM Vol. 2.
    {"Aluminum Alloy 3003", "98.625Al 1.25Mn 0.125Cu", 2.73},
    // 5083: Mg 4.0-4.9, Mn 0.40-1.0, Cr 0.05-0.25 (AA limits); 2.66 in AA Standards and Data
    // and ASM Vol. 2.
    {"Aluminum Alloy 5083 (marine plate)", "94.7Al 4.45Mg 0.7Mn 0.15Cr", 2.66},
    // 5086: Mg 3.5-4.5, Mn 0.20-0.7, Cr 0.05-0.25 (AA limits); 2.66 in AA Standards and Data
    // and ASM Vol. 2.
    {"Aluminum Alloy 5086", "95.4Al 4Mg 0.45Mn 0.15Cr", 2.66},
    // 6063: Mg 0.45-0.9, Si 0.20-0.6 (AA limits); 2.70 in AA Standards and Data and ASM Vol. 2
    // (MatWeb and matmatch list 2.69-2.70).
    {"Aluminum Alloy 6063 (architectural extrusion)", "98.925Al 0.675Mg 0.4Si", 2.70},
};

constexpr Alloy kBismuth[] = {
    {"Wood's metal (Lipowitz's alloy, Cerrobend)", "50Bi 26.7Pb 13.3Sn 10Cd", 9.67},
    {"Rose's metal", "50Bi 25Pb 25Sn"},
    {"Cerrosafe", "42.5Bi 37.7Pb 11.3Sn 8.5Cd"},
    {"Field's metal", "51In 32.5Bi 16.5Sn", 7.88},
    {"Cerrolow 136", "49Bi 21In 18Pb 12Sn"},
    {"Cerrolow 117", "44.7Bi 22.6Pb 19.1In 8.3Sn 5.3Cd"},
    {"Bi-Pb-Sn-Cd-In-Tl eutectic (41.5 C)", "40.3Bi 22.2Pb 17.7In 10.7Sn 8.1Cd 1.1Tl"},
    {"Newton's metal", "50Bi 31.25Pb 18.75Sn"},
    {"D'Arcet's metal", "42.1Bi 42.1Pb 15.8Sn"},
    {"Bismuth-tin eutectic Bi58Sn42", "58Bi 42Sn", 8.56},
    {"Bismuth-lead alloy Bi58Pb42", "58Bi 42Pb"},
};

constexpr Alloy kCerium[] = {
    {"Mischmetal (typical)", "55Ce 25La 15Nd 5Fe"},
    {"Mischmetal (cerium-lanthanum, lighter-flint grade)", "65Ce 35La Nd Pr"},
    {"Ferrocerium (modern firesteel)", "41.8Ce 24.2La 20.8Fe 4.4Pr 4.4Nd 4.4Mg"},
    {"Auer metal (original ferrocerium)", "70Ce 30Fe"},
};

constexpr Alloy kCopper[] = {
    // Muntz metal: 8.39 (CDA, C28000); MakeItFrom gives 8.0 to two figures, and
    // 8.0 for C46400 as well, where Concast gives 8.41: kept 8.39.
    {"Muntz metal (yellow metal, 60/40 brass)", "60Cu 40Zn Fe", 8.39},
    {"Naval brass (C46400)", "60Cu 39.2Zn 0.8Sn", 8.41},
    {"Phosphor bronze (cryogenic grade)", "94.8Cu 5Sn 0.2P", 8.86},
    {"Prince's metal (Prince Rupert's metal)", "75Cu 25Zn"},
    {"Aich's metal", "60.66Cu 36.58Zn 1.74Fe 1.02Sn"},
    {"Gilding metal", "95Cu 5Zn", 8.86},
    // C26000: 8.53, checked against the Olin Brass C26000 data sheet (0.308 lb/in^3).
    {"Cartridge brass (70/30, C26000)", "70Cu 30Zn", 8.53},
    {"High brass (yellow brass)", "65Cu 35Zn", 8.47},
    {"Red brass (85/15, C23000 type; \"low brass\" in some older texts)", "85Cu 15Zn", 8.75},
    // CuAl8 7.78 and CuAl10Fe3 7.65 (CDA, C61000 and C62300); MakeItFrom gives 8.5
    // and 8.3 to two figures, above every maker's sheet for aluminium bronzes
    // (C63000 7.58 at Randall Bearings, C95400 7.45): kept the CDA figures.
    {"Aluminum bronze CuAl8 (8% aluminum bronze)", "92Cu 8Al", 7.78},
    {"Aluminum bronze CuAl10Fe3", "87.25Cu 9.75Al 3Fe", 7.65},
    {"Nickel aluminum bronze CuAl10Fe5Ni5", "81Cu 10Al 5Ni 4Fe", 7.58},
    {"Gun metal (U.S. Government bronze \"G\", 88-10-2)", "88Cu 10Sn 2Zn", 8.72},
    {"Nickel silver (German silver, 60-20-20)", "60Cu 20Ni 20Zn"},
    // C17200: 8.25 solution annealed (CDA); 8.36 after age hardening (Materion Alloy 25 data).
    {"Beryllium copper (C17200, Alloy 25)", "98.1Cu 1.9Be", 8.25},
    {"Constantan (Eureka, Advance)", "55Cu 45Ni", 8.90},
    {"Manganin", "86Cu 12Mn 2Ni", 8.40},
    {"Bell metal (standard)", "78Cu 22Sn"},
    {"Speculum metal", "66.7Cu 33.3Sn"},
    {"Cupronickel 90-10 (C70600)", "88.6Cu 10Ni 1.4Fe", 8.94},
    {"Cupronickel 70-30 (C71500)", "69.5Cu 30Ni 0.5Fe", 8.94},
    {"Cupronickel 80-20 (C71000)", "80Cu 20Ni", 8.94},
    {"Nickel silver 65-18 (C75200)", "65Cu 18Ni 17Zn", 8.73},
    {"Nickel silver 55-18 (C77000)", "55Cu 27Zn 18Ni", 8.70},
    {"Tobin bronze", "59Cu 38.4Zn 2.16Sn 0.31Pb 0.11Fe"},
    {"Silicon bronze (High-silicon bronze A, Everdur type, C65500)", "96Cu 3Si 1Mn", 8.53},
    {"Leaded red brass 85-5-5-5 (ounce metal, C83600)", "85Cu 5Sn 5Pb 5Zn", 8.83},
    {"Nordic gold", "89Cu 5Al 5Zn 1Sn"},
    {"Admiralty brass (Admiralty metal, C44300)", "70Cu 29Zn 1Sn", 8.53},
    {"Copper C11000 (electrolytic tough pitch)", "100Cu", 8.89},
    // C36000: 8.50, checked against the Diversified Bronze data (0.307 lb/in^3, s.g. 8.5).
    {"Free-cutting brass (C36000)", "61.5Cu 35.75Zn 2.75Pb", 8.50},
    {"Aluminum brass (C68700)", "77.5Cu 20.31Zn 2.15Al 0.04As", 8.33},
    // C95400: Al 10.0-11.5, Fe 3.0-5.0 (ASTM B505/B148); 0.269 lb/in^3 = 7.45 (CDA data sheet).
    {"Aluminum bronze C95400", "85.25Cu 10.75Al 4Fe", 7.45},
    // C95800: Al 8.5-9.5, Fe 3.5-4.5, Ni 4.0-5.0, Mn 0.8-1.5 (ASTM B148/B505); 0.276 lb/in^3
    // = 7.64 (CDA data sheet; Conex Bronze data sheet 0.276).
    {"Nickel aluminum bronze C95800", "81.35Cu 9Al 4.5Ni 4Fe 1.15Mn", 7.64},
};

constexpr Alloy kGold[] = {
    {"Yellow gold 22K", "91.67Au 5Ag 2Cu 1.33Zn"},
    {"Yellow gold 18K", "75Au 12.5Ag 12.5Cu"},
    {"Red gold 18K", "75Au 25Cu"},
    {"Rose gold 18K", "75Au 22.25Cu 2.75Ag"},
    {"Pink gold 18K", "75Au 20Cu 5Ag"},
    {"White gold 18K (palladium)", "75Au 25Pd"},
    {"White gold 18K (Pd-Ni-Zn)", "75Au 10Pd 10Ni 5Zn"},
    {"White gold (nickel, 90/10)", "90Au 10Ni"},
    {"Crown gold (22K, British sovereign)", "91.67Au 8.33Cu"},
    {"U.S. coin gold (1837-1933)", "90Au 10Cu"},
    {"Purple gold", "79Au 21Al"},
    {"Blue gold (iron)", "75Au 25Fe"},
    {"Green gold 18K", "75Au 25Ag"},
    {"Yellow gold 14K", "58.5Au 31Cu 10.5Ag"},
};

constexpr Alloy kIron[] = {
    {"Gray cast iron (ASTM A48)", "94.3Fe 3.4C 1.8Si 0.5Mn", 7.15},
    {"White cast iron", "95.3Fe 3.4C 0.7Si 0.6Mn", 7.70},
    {"Malleable iron (ASTM A47)", "95.95Fe 2.5C 1Si 0.55Mn", 7.27},
    {"Ductile (nodular) iron", "93.76Fe 3.4C 2.5Si 0.3Mn 0.04Mg", 7.10},
    {"Ni-Hard type 2", "89.7Fe 4.5Ni 2.7C 2Cr 0.6Si 0.5Mn"},
    {"Ni-Resist type 2", "71.5Fe 20Ni 3C 2.5Cr 2Si 1Mn"},
    {"Hadfield manganese steel (Mangalloy)", "86.3Fe 12.5Mn 1.2C"},
    {"High-speed steel 18-4-1 (T1)", "76.05Fe 18W 4.1Cr 1.1V 0.75C", 8.67},
    {"Invar (Invar 36)", "64Fe 36Ni", 8.05},
    {"Kovar (ASTM F15)", "54Fe 29Ni 17Co", 8.36},
    {"Alnico 5", "51Fe 24Co 14Ni 8Al 3Cu", 7.30},
    {"Elinvar", "52Fe 36Ni 12Cr"},
    {"High-silicon iron (Duriron type, ASTM A518 Grade 1)", "84.64Fe 14.48Si 0.88C", 7.00},
    {"Wrought iron (iron matrix, slag excluded)", "99.79Fe 0.1P 0.05Mn 0.03C 0.02S 0.01Si", 7.70},
    // Type 302: 7.86 (ASM MatWeb "AISI Type 302 Stainless Steel", 0.284 lb/in^3; RoyMech 302
    // 7860 kg/m^3); some stainless tables give 7.93 for 302, 302B and 302Cu alike.
    {"18-8 stainless steel, Type 302", "73Fe 18Cr 9Ni", 7.86},
    {"Stainless steel Type 304 (18-8)", "71.75Fe 19Cr 9.25Ni", 8.00},
    {"Stainless steel Type 316", "68.5Fe 17Cr 12Ni 2.5Mo", 8.00},
    {"Stainless steel Type 410", "87.88Fe 12Cr 0.12C", 7.80},
    {"Stainless steel Type 440C", "81.2Fe 17Cr 1.1C 0.7Mo"},
    // Type 430: 7.80 (ASM Handbook Vol. 1); makers give 7.74 (AK Steel, 0.28
    // lb/in^3) down to 7.64 (Rolled Metal Products, 0.276): kept 7.80.
    {"Stainless steel Type 430", "83Fe 17Cr", 7.80},
    {"AISI 4340 nickel-chromium-molybdenum steel", "95.7Fe 1.83Ni 0.8Cr 0.78Mn 0.41C 0.25Si 0.25Mo",
        7.85},
    {"Spiegeleisen", "85Fe 15Mn"},
    {"Carbon steel AISI 1018", "99.075Fe 0.75Mn 0.175C", 7.87},
    {"Carbon steel AISI 1020", "99.345Fe 0.45Mn 0.205C", 7.87},
    {"Structural steel ASTM A36 (typical)", "98.22Fe 1.03Mn 0.28Si 0.27C 0.2Cu", 7.85},
    {"Chromium-molybdenum steel AISI 4130", "97.795Fe 0.95Cr 0.5Mn 0.305C 0.25Si 0.2Mo", 7.85},
    {"Chromium-molybdenum steel AISI 4140", "97.32Fe 0.95Cr 0.875Mn 0.405C 0.25Si 0.2Mo", 7.85},
    {"Stainless steel Type 316L", "68.5Fe 17Cr 12Ni 2.5Mo", 8.00},
    // 2205: 7.80 (Outokumpu and Sandvik SAF 2205 data); some mill sheets give 7.82-7.89.
    {"Duplex stainless steel 2205 (S32205)", "68.58Fe 22.5Cr 5.5Ni 3.25Mo 0.17N", 7.80},
    // 17-4PH: 7.80, checked against HN Superalloys 17-4 PH data (7.8, 0.28 lb/in^3).
    {"Precipitation-hardening stainless steel 17-4PH (S17400)", "75.45Fe 16.25Cr 4Ni 4Cu 0.3Nb",
        7.80},
    // S32750: Cr 24.0-26.0, Ni 6.0-8.0, Mo 3.0-5.0, N 0.24-0.32 (ASTM A240/A479); 7.8
    // (Sandvik SAF 2507 data sheet; Aperam DX2507).
    {"Super duplex stainless steel 2507 (S32750)", "63.72Fe 25Cr 7Ni 4Mo 0.28N", 7.80},
    // S32304: Cr 21.5-24.5, Ni 3.0-5.5, Mo 0.05-0.60, Cu 0.05-0.60, N 0.05-0.20 (ASTM A240);
    // 7.8 (Outokumpu Forta DX 2304 data sheet).
    {"Lean duplex stainless steel 2304 (S32304)", "71.975Fe 23Cr 4.25Ni 0.325Mo 0.325Cu 0.125N",
        7.80},
    // S32101: Cr 21.0-22.0, Mn 4.0-6.0, Ni 1.35-1.70, Mo 0.10-0.80, Cu 0.10-0.80, N 0.20-0.25
    // (ASTM A240); 7.8 (Outokumpu Forta LDX 2101 data sheet).
    {"Lean duplex stainless steel 2101 (S32101)", "70.85Fe 21.5Cr 5Mn 1.525Ni 0.45Mo 0.45Cu 0.225N",
        7.80},
    // N08904: Cr 19.0-23.0, Ni 23.0-28.0, Mo 4.0-5.0, Cu 1.0-2.0 (ASTM B625/A240); 8.0
    // (Outokumpu 904L and Sandvik 2RK65 data sheets).
    {"Superaustenitic stainless steel 904L (N08904)", "47.5Fe 25.5Ni 21Cr 4.5Mo 1.5Cu", 8.00},
    // S31254: Cr 19.5-20.5, Ni 17.5-18.5, Mo 6.0-6.5, Cu 0.50-1.00, N 0.18-0.25 (ASTM A240);
    // 8.0 (Outokumpu 254 SMO data sheet; ATI 254 data 8.0).
    {"Superaustenitic stainless steel 254 SMO (S31254)", "54.785Fe 20Cr 18Ni 6.25Mo 0.75Cu 0.215N",
        8.00},
    // N08367: Ni 23.5-25.5, Cr 20.0-22.0, Mo 6.0-7.0, N 0.18-0.25 (ASTM B688/A240); 8.06
    // (ATI AL-6XN data sheet, 0.291 lb/in^3).
    {"Superaustenitic stainless steel AL-6XN (N08367)", "47.785Fe 24.5Ni 21Cr 6.5Mo 0.215N", 8.06},
    // N08020: Ni 32.0-38.0, Cr 19.0-21.0, Cu 3.0-4.0, Mo 2.0-3.0 (ASTM B463); the niobium
    // (8 x C to 1.0) is left out as its lower limit follows the carbon; 8.08 (Carpenter 20Cb-3
    // data sheet, 0.292 lb/in^3).
    {"Alloy 20 (Carpenter 20Cb-3, N08020)", "39Fe 35Ni 20Cr 3.5Cu 2.5Mo", 8.08},
};

constexpr Alloy kLead[] = {
    {"Linotype metal", "84Pb 12Sb 4Sn"},
    {"Type metal (classic 2:1:1)", "50Pb 25Sn 25Sb"},
    {"Lead-tin solder 40/60", "60Pb 40Sn", 9.28},
    {"Lead-tin solder 30/70", "70Pb 30Sn"},
    {"Lead-tin solder 20/80", "80Pb 20Sn"},
    {"Lead-tin solder 15/85", "85Pb 15Sn"},
    {"High-melting solder HMP", "93.5Pb 5Sn 1.5Ag"},
    {"Lead-tin-silver solder 45D (aluminium soldering)", "80Pb 18Sn 2Ag"},
    {"Lead-tin solder Pb90Sn10", "90Pb 10Sn"},
    {"Slug-casting type metal", "86Pb 11Sb 3Sn"},
    {"Stereotype metal", "78Pb 15Sb 7Sn"},
    {"Monotype metal", "74Pb 16Sb 10Sn"},
    {"Foundry type metal", "54Pb 28Sb 18Sn"},
    {"Lead-base babbitt, ASTM B23 Alloy 7", "75Pb 15Sb 10Sn", 9.73},
    {"Lead-base babbitt, ASTM B23 Alloy 8", "80Pb 15Sb 5Sn", 10.04},
    {"Lead-base babbitt, ASTM B23 Alloy 13", "84Pb 10Sb 6Sn", 10.24},
    {"Lead-base babbitt SAE 15 (arsenical)", "83Pb 15Sb 1Sn 1As"},
    {"Antimonial (hard) lead, battery-grid type", "90Pb 10Sb"},
    {"Lead-antimony-tin ternary eutectic", "85Pb 12Sb 3Sn"},
};

constexpr Alloy kMagnesium[] = {
    {"AZ91 (Mg-9Al-1Zn die-casting alloy)", "90.17Mg 9Al 0.7Zn 0.13Mn", 1.81},
    {"AM60", "93.85Mg 6Al 0.15Mn", 1.79},
    {"AZ31B", "95.8Mg 3Al 1Zn 0.2Mn", 1.77},
    {"AS41", "94.8Mg 4.2Al 1Si"},
    // AZ63A: 1.84 (ASM Handbook Vol. 2); MakeItFrom 1.8 to two figures.
    {"AZ63A (sand casting)", "90.85Mg 6Al 3Zn 0.15Mn", 1.84},
    {"AZ92A (sand casting)", "88.9Mg 9Al 2Zn 0.1Mn", 1.83},
    {"AM100A (casting)", "89.9Mg 10Al 0.1Mn"},
    {"AZ61A (extrusion)", "92.35Mg 6.5Al 1Zn 0.15Mn", 1.80},
    {"AZ80A (extrusion)", "90.88Mg 8.5Al 0.5Zn 0.12Mn", 1.80},
    {"ZK60A (extrusion)", "94.05Mg 5.5Zn 0.45Zr", 1.83},
    {"M1A (magnesium-manganese)", "98.8Mg 1.2Mn", 1.76},
};

constexpr Alloy kMercury[] = {
    {"Dental amalgam, conventional low-copper (set, 50/50 mix)",
        "50Hg 33.75Ag 13.5Sn 2.25Cu 0.5Zn"},
    {"Dental amalgam, admixed high-copper (Dispersalloy, set)", "50Hg 34.5Ag 9Sn 6Cu 0.5Zn"},
    {"Dental amalgam, spherical high-copper (Tytin, set)", "42.5Hg 33.93Ag 16.1Cu 7.48Sn"},
};

constexpr Alloy kNickel[] = {
    // Monel 400 8.80, Inconel 600 8.47 and 625 8.44: checked against the Aeether nickel-alloy
    // density table (0.318, 0.306, 0.305 lb/in^3); 625 also in Special Metals data (0.305).
    {"Monel (alloy 400)", "69Ni 31Cu", 8.80},
    {"K-Monel (Monel K-500)", "66.67Ni 30Cu 2.73Al 0.6Ti", 8.44},
    {"Inconel (alloy 600)", "75.9Ni 15.5Cr 8Fe 0.25Mn 0.2Si 0.1Cu 0.05C", 8.47},
    {"Inconel 625", "65.85Ni 21.5Cr 9Mo 3.65Nb", 8.44},
    {"Hastelloy B-3", "68.5Ni 28.5Mo 1.5Cr 1.5Fe", 9.22},
    // Nichrome 80-20: 8.40 (s.g. 8.4 in the Nichrome property table of Wikipedia and in
    // electrotechnik.net's Nichrome overview; Cr20Ni80 makers' sheets 8.40).
    {"Nichrome (80-20)", "80Ni 20Cr", 8.40},
    {"Nichrome 60 (Chromel C, N6)", "60Ni 24Fe 16Cr", 8.20},
    // Chromel P: 8.73 (thermocouple-alloy data); a type K cable maker's page
    // gives 8.5, below the volume-additive 8.70 of its nickel and chromium:
    // kept 8.73.
    {"Chromel (Chromel P, type K positive leg)", "90Ni 10Cr", 8.73},
    {"Alumel (type K negative leg)", "95Ni 2Mn 2Al 1Si", 8.61},
    {"Permalloy", "80Ni 20Fe"},
    {"Molybdenum permalloy", "81Ni 17Fe 2Mo"},
    {"Mu-metal", "77Ni 16Fe 5Cu 2Cr"},
    // C-276: 8.89, checked against MW Alloys C-276 data (0.321 lb/in^3).
    {"Hastelloy C-276", "59.25Ni 16Mo 15.5Cr 5.5Fe 3.75W", 8.89},
    // Incoloy 825: 8.14, checked against Special Metals' alloy 825 sheet (0.294 lb/in^3).
    {"Incoloy 825", "42Ni 30.35Fe 21.5Cr 3Mo 2.25Cu 0.9Ti", 8.14},
    {"Nitinol (nickel-titanium shape-memory alloy)", "55.8Ni 44.2Ti", 6.45},
    // N06022: Cr 20.0-22.5, Mo 12.5-14.5, W 2.5-3.5, Fe 2.0-6.0 (ASTM B575); 8.69 (Haynes
    // Hastelloy C-22 data sheet H-2019).
    {"Hastelloy C-22", "58.25Ni 21.25Cr 13.5Mo 4Fe 3W", 8.69},
};

constexpr Alloy kPalladium[] = {
    {"Palladium 950 (ruthenium)", "95Pd 5Ru"},
    {"Palladium 950 (copper)", "95Pd 5Cu"},
    {"Palladium-silver (Pd-23/25Ag)", "76Pd 24Ag"},
    {"Palladium-silver 60/40 (contact alloy)", "60Pd 40Ag"},
    {"Palladium-copper 60/40 (ASTM B685 contact alloy)", "60Pd 40Cu"},
    {"Palladium-nickel 80/20 (electrodeposited contact finish)", "80Pd 20Ni"},
    {"Palladium contact alloy ASTM B540 (Pd-Ag-Cu-Au-Pt-Zn)", "35Pd 30Ag 14Cu 10Au 10Pt 1Zn"},
};

constexpr Alloy kPlatinum[] = {
    {"Platinum-10% rhodium (type S thermocouple leg)", "90Pt 10Rh", 19.97},
    {"Platinum-13% rhodium (type R thermocouple leg)", "87Pt 13Rh", 19.61},
    {"Platinum-30% rhodium (type B positive leg)", "70Pt 30Rh", 17.60},
    {"Platinum-6% rhodium (type B negative leg)", "94Pt 6Rh", 20.60},
    {"Platinum-40% rhodium thermoelement", "60Pt 40Rh"},
    {"Platinum-iridium 90/10 (prototype kilogram/metre alloy)", "90Pt 10Ir", 21.55},
    // No published density: 21.77 is computed, the volume-additive mean of platinum 21.45 and
    // iridium 22.56 (the element table holds no iridium density to compute it from).
    {"Platinum-iridium 70/30", "70Pt 30Ir", 21.77, true},
    {"Jewelry platinum 950 (ruthenium)", "95Pt 5Ru"},
};

constexpr Alloy kSilver[] = {
    {"Sterling silver", "92.5Ag 7.5Cu", 10.36},
    {"Britannia silver", "95.84Ag 4.16Cu"},
    {"Coin silver (U.S.)", "90Ag 10Cu"},
    {"Mexican silver", "95Ag 5Cu"},
    {"Silver brazing alloy BAg-1 (silver solder)", "45Ag 24Cd 16Zn 15Cu"},
    {"Silver brazing alloy BAg-2", "35Ag 26Cu 21Zn 18Cd"},
    {"Silver-copper eutectic BAg-8", "72Ag 28Cu", 10.0},
    {"Silver brazing alloy BAg-18", "60Ag 30Cu 10Sn"},
    {"Silver-manganese brazing alloy BAg-23", "85Ag 15Mn"},
    {"Dental amalgam alloy powder, low-copper (conventional)", "67.5Ag 27Sn 4.5Cu 1Zn"},
    {"Dental amalgam alloy powder, Dispersalloy (admixed high-copper)", "69Ag 18Sn 12Cu 1Zn"},
    {"Dental amalgam alloy powder, Tytin (high-copper spherical)", "59Ag 28Cu 13Sn"},
};

constexpr Alloy kTin[] = {
    {"Britannia metal", "92Sn 6Sb 2Cu"},
    {"Pewter, European casting alloy", "94Sn 5Sb 1Cu"},
    {"Pewter, European sheet alloy", "92Sn 6Sb 2Cu"},
    {"Pewter, Asian", "97.5Sn 1.5Sb 1Cu"},
    {"Lay pewter (traditional third grade)", "85Sn 15Pb"},
    {"Tin-lead eutectic solder Sn63 (63/37)", "63Sn 37Pb", 8.40},
    {"Tin-lead solder 60/40", "60Sn 40Pb", 8.50},
    {"Tin-lead-silver solder Sn62", "62Sn 36Pb 2Ag"},
    {"Tin-antimony solder 95/5 (95A)", "95Sn 5Sb", 7.25},
    {"Tin-silver solder Sn96 (96S)", "96.3Sn 3.7Ag"},
    {"SAC305 lead-free solder", "96.5Sn 3Ag 0.5Cu", 7.38},
    {"SAC387 lead-free solder", "95.5Sn 3.8Ag 0.7Cu"},
    {"Tin-copper solder 99C", "99.3Sn 0.7Cu"},
    {"Babbitt metal (Isaac Babbitt's original)", "89Sn 9Sb 2Cu"},
    {"Eco-Babbitt (Sn-Zn-Cu)", "90Sn 7Zn 3Cu"},
    {"Tin-base babbitt, ASTM B23 Alloy 1", "91Sn 4.5Sb 4.5Cu", 7.34},
    {"Tin-base babbitt, ASTM B23 Alloy 2 (genuine babbitt, SAE 12)", "89Sn 7.5Sb 3.5Cu", 7.39},
    {"Tin-base babbitt, ASTM B23 Alloy 3", "84Sn 8Sb 8Cu", 7.46},
};

constexpr Alloy kTungsten[] = {
    {"Tungsten-copper W75/Cu25", "75W 25Cu"},
    {"Tungsten-copper W85/Cu15", "85W 15Cu"},
    {"Tungsten-copper W65/Cu35", "65W 35Cu"},
    {"Tungsten heavy alloy 97W-2Ni-1Fe", "97W 2Ni 1Fe", 18.5},
    {"Tungsten heavy alloy 95W-3.5Ni-1.5Fe (ASTM B777 Class 3)", "95W 3.5Ni 1.5Fe", 18.0},
    {"Tungsten heavy alloy 92.5W-5.25Ni-2.25Fe (ASTM B777 Class 2)", "92.5W 5.25Ni 2.25Fe", 17.5},
    {"Tungsten-rhenium W-25Re (type D negative leg)", "75W 25Re"},
    {"Tungsten-rhenium W-3Re (type D positive leg)", "97W 3Re"},
    {"Tungsten-rhenium W-5Re (type C positive leg)", "95W 5Re"},
    {"Tungsten-rhenium W-26Re (type C negative leg)", "74W 26Re"},
    {"Tungsten-copper W80/Cu20", "79.9W 20.1Cu"},
    {"Tungsten-copper W70/Cu30", "69.9W 30.1Cu"},
};

constexpr Alloy kZinc[] = {
    {"Zamak 3", "95.95Zn 4Al 0.05Mg", 6.6},
    // Zamak 5 and 2: 6.6 (International Zinc Association and NADCA die-casting data); European
    // sheets (EN 12844 ZP5, ZP2) give 6.6-6.7 and 6.6-6.8.
    {"Zamak 5", "95.05Zn 4Al 0.9Cu 0.05Mg", 6.6},
    {"Zamak 2", "92.95Zn 4Al 3Cu 0.05Mg", 6.6},
    {"ZA-8", "90.53Zn 8.4Al 1.05Cu 0.02Mg", 6.3},
    {"ZA-12", "88.13Zn 11Al 0.85Cu 0.02Mg", 6.0},
    {"ZA-27", "70.98Zn 26.75Al 2.25Cu 0.02Mg", 5.0},
    // Zamak 7: 6.6 (Empire Die Casting, as Zamak 3 and 5); IMFG's table gives
    // 0.247 lb/in^3 (6.84) beside 0.24 for Zamak 3 and 5: kept 6.6.
    {"Zamak 7", "95.87Zn 4.1Al 0.02Mg 0.01Ni", 6.6},
};

constexpr Alloy kChromium[] = {
    {"Ferrochrome, high-carbon", "65Cr 30Fe 5C"},
    {"Charge chrome (high-carbon, 50-55% Cr)", "52.5Cr 40.5Fe 7C"},
    {"Chromium-nickel 60/40 (oil-ash-resistant casting alloy)", "60Cr 40Ni"},
};

// The cobalt-base Stellites, which hold more cobalt than chromium.
constexpr Alloy kCobalt[] = {
    // Stellite 6: 8.44 (Kennametal Stellite 6 data sheet; Deloro 8.44).
    {"Stellite 6", "65.3Co 29Cr 4.5W 1.2C", 8.44},
    // Stellite 21: 8.33 (Kennametal Stellite 21 data sheet).
    {"Stellite 21 (Co-Cr-Mo, Vitallium type)", "64Co 28Cr 5.5Mo 2.5Ni", 8.33},
    {"Stellite 706 (Mo type)", "65.3Co 29Cr 4.5Mo 1.2C"},
};

constexpr Alloy kManganese[] = {
    {"Ferromanganese, standard (high-carbon)", "78Mn 14.75Fe 7.25C"},
    {"Ferromanganese, medium-carbon", "77.5Mn 21Fe 1.5C"},
    {"Silicomanganese", "66.5Mn 15.75Fe 15.5Si 2.25C"},
    {"Ferromanganese-silicon (low-carbon silicomanganese)", "64.5Mn 30Si 5.5Fe"},
    {"Ferromanganese, low-carbon", "77.5Mn 21.9Fe 0.6C"},
};

constexpr Alloy kMolybdenum[] = {
    {"TZM", "99.4Mo 0.5Ti 0.08Zr 0.02C", 10.22},
    {"Molybdenum-rhenium \"50/50\" (Mo-48Re)", "52Mo 48Re"},
    {"Ferromolybdenum", "67.5Mo 32.5Fe"},
    {"Molybdenum-rhenium Mo-41Re", "59Mo 41Re"},
    {"Molybdenum-rhenium Mo-47.5Re", "52.5Mo 47.5Re"},
};

constexpr Alloy kSilicon[] = {
    {"Ferrosilicon 75 (FeSi75 type)", "73Si 25.1Fe 1.7Al 0.18C"},
    {"Ferrosilicon 90", "90Si 8Fe Al Ca"},
    {"Ferrosilicon 45", "45Si 55Fe"},
    {"Ferrosilicon 15 (heavy-media grade)", "15Si 85Fe"},
    {"Calcium-silicon", "69.5Si 27.5Ca 3Fe"},
};

constexpr Alloy kTitanium[] = {
    {"Titanium Grade 2 (commercially pure)", "100Ti", 4.51},
    {"Titanium Grade 7 (Ti-0.15Pd)", "99.815Ti 0.185Pd", 4.51},
    {"Titanium Grade 12 (Ti-0.3Mo-0.8Ni)", "98.95Ti 0.75Ni 0.3Mo", 4.51},
    // Grade 5: 4.43 (ASM Vol. 2); makers' sheets give 4.42 (0.159-0.16 lb/in^3).
    {"Ti-6Al-4V (Grade 5)", "89.875Ti 6.125Al 4V", 4.43},
    {"Ti-3Al-2.5V (Grade 9)", "94.5Ti 3Al 2.5V", 4.48},
};

// Base metals in the order the tools window offers them.
constexpr BaseMetal kCatalogue[] = {
    {"Aluminum", kAluminum},
    {"Bismuth", kBismuth},
    {"Cerium", kCerium},
    {"Copper", kCopper},
    {"Gold", kGold},
    {"Iron", kIron},
    {"Lead", kLead},
    {"Magnesium", kMagnesium},
    {"Mercury", kMercury},
    {"Nickel", kNickel},
    {"Palladium", kPalladium},
    {"Platinum", kPlatinum},
    {"Silver", kSilver},
    {"Tin", kTin},
    {"Tungsten", kTungsten},
    {"Zinc", kZinc},
    {"Chromium", kChromium},
    {"Manganese", kManganese},
    {"Molybdenum", kMolybdenum},
    {"Silicon", kSilicon},
    {"Titanium", kTitanium},
    {"Cobalt", kCobalt},
};

} // namespace

std::span<const BaseMetal> AlloyCatalogue()
{
    return kCatalogue;
}

std::span<const Alloy> AlloysOf(std::string_view baseMetal)
{
    for (const BaseMetal& metal : kCatalogue) {
        if (metal.name == baseMetal)
            return metal.alloys;
    }
    return {};
}

std::string_view CompositionOf(std::string_view alloyName)
{
    const Alloy* alloy = FindAlloy(alloyName);
    return alloy ? alloy->composition : std::string_view();
}

const Alloy* FindAlloy(std::string_view alloyName)
{
    for (const BaseMetal& metal : kCatalogue) {
        for (const Alloy& alloy : metal.alloys) {
            if (alloy.name == alloyName)
                return &alloy;
        }
    }
    return nullptr;
}

} // namespace corrolab
