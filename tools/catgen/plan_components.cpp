// Group tables of the component ranges: passive parts, semiconductors, optoelectronics,
// electromechanics, connectors and cables.
#include "tools/catgen/catalogue_plan.h"

namespace kvx::catgen {

namespace {

MainDef resistors() {
    return {"Widerstände und Potentiometer",
            {
                {"Widerstände",
                 {
                     {"Kohleschichtwiderstände 0,25W", "1/4W {1}", "", "Kohleschichtwiderstand", "{1b}Ω 0,25W ±5%",
                      "@R:0:7", 60, 180, kPer100},
                     {"Metallschichtwiderstände 0,6W", "METALL {1}", "MF 0207 {1}", "Metallschichtwiderstand",
                      "{1b}Ω 0,6W ±1% TK50", "@R:0:7", 90, 290, kPer100},
                     {"Metallschichtwiderstände 2W", "2W {1}", "", "Metallschichtwiderstand", "{1b}Ohm 2W 5%", "@R:0:6",
                      15, 45, 0},
                     {"SMD-Widerstände 0603", "SMD-0603 {1}", "", "SMD-Widerstand 0603", "{1b}Ohm 0,1W 1%", "@R:0:7",
                      40, 120, kPer100},
                     {"SMD-Widerstände 0805", "SMD-0805 {1}", "", "SMD-Widerstand 0805", "{1b}Ohm 0,125W 1%", "@R:0:7",
                      40, 120, kPer100},
                     {"SMD-Widerstände 1206", "SMD-1206 {1}", "", "SMD-Widerstand 1206", "{1b}Ohm 0,25W 1%", "@R:0:7",
                      50, 150, kPer100},
                     {"Drahtwiderstände", "{2}W {1}", "DRAHT {2}W {1}", "Drahtwiderstand {2}W", "{1b}Ohm 5% axial",
                      "@R:-1:4#2|5|10|17", 25, 160, 0},
                     {"Hochlastwiderstände Alu-Gehäuse", "AL{2} {1}", "", "Hochlastwid. {2}W Alu", "{1b}Ohm 5%",
                      "@R:-1:4#25|50|100", 180, 900, 0},
                     {"Widerstandsnetzwerke", "SIL{2}-{1}", "", "Widerstandsnetzwerk SIL", "{2}-pol. {1b}Ohm 2%",
                      "@R:2:6#5|7|9|11", 18, 60, 0},
                 }},
                {"Potentiometer und Trimmer",
                 {
                     {"Kohlepotentiometer 6mm Achse", "PO6M-LIN {1}", "", "Potentiometer {1b}Ohm lin", "0,2W Achse 6mm",
                      "@R:2:7", 90, 260, 0},
                     {"Kohlepotentiometer log.", "PO6M-LOG {1}", "", "Potentiometer {1b}Ohm log", "0,2W Achse 6mm",
                      "@R:3:7", 95, 280, 0},
                     {"Stereo-Potentiometer", "PO6S-LOG {1}", "", "Stereo-Poti {1b}Ohm log", "2x 0,1W Achse 6mm",
                      "@R:3:7", 190, 450, 0},
                     {"Trimmer liegend 10mm", "PT10-L {1}", "", "Trimmpotentiometer", "{1b}Ohm liegend RM 5/10",
                      "@R:2:7", 18, 45, 0},
                     {"Trimmer stehend 10mm", "PT10-S {1}", "", "Trimmpotentiometer", "{1b}Ohm stehend RM 5/10",
                      "@R:2:7", 18, 45, 0},
                     {"Spindeltrimmer 25 Gänge", "64W-{1}", "3296W-{1}", "Spindeltrimmer 25 Gänge", "{1b}Ohm 0,5W",
                      "@R:2:7", 65, 190, 0},
                 }},
            }};
}

MainDef passive() {
    return {"Bauelemente passiv",
            {
                {"Kondensatoren",
                 {
                     {"Keramik-Kondensatoren RM 2,5", "KERKO {1}", "", "Keramikkondensator", "{1b} 50V RM 2,5",
                      "@C:0:6", 4, 15, 0},
                     {"Vielschicht-Kondensatoren RM 5", "Z5U-5 {1}", "", "Vielschicht-Kerko", "{1b} 63V RM 5", "@C:2:7",
                      6, 25, 0},
                     {"SMD-Kondensatoren 0805", "X7R-0805 {1}", "", "SMD-Vielschicht-Kerko", "{1b} 50V X7R 0805",
                      "@C:1:6", 80, 290, kPer100},
                     {"Folienkondensatoren MKS", "MKS-2 {1}", "MKS2 {1}", "Folienkondensator MKS", "{1b} 63V RM 5",
                      "@C:3:7", 12, 60, 0},
                     {"Folienkondensatoren MKP X2", "MKP-X2 {1}", "", "Entstörkondensator X2", "{1b} 275VAC RM 15",
                      "@C:4:7", 35, 160, 0},
                     {"Elektrolytkondensatoren radial", "RAD {1}/{2}", "", "Elko radial {1}µF {2}V", "105°C, {3}",
                      "1|2,2|4,7|10|22|47|100|220|470|1000|2200|4700#16|25|35|50|63|100#RM 2,0|RM 2,5|RM 3,5|RM 5", 5,
                      180, 0},
                     {"Elektrolytkondensatoren axial", "AX {1}/{2}", "", "Elko axial {1}μF {2}V", "85°C",
                      "1|4,7|10|47|100|470|1000|4700#16|25|40|63|100", 12, 250, 0},
                     {"Low-ESR-Elkos", "RAD LXZ {1}/{2}", "", "Low-ESR-Elko {1}µF {2}V", "105°C 10000h",
                      "10|22|47|100|220|470|1000|2200#6,3|10|16|25|35", 15, 120, 0},
                     {"Tantal-Kondensatoren", "TANTAL {1}/{2}", "", "Tantal-Elko {1}µF {2}V", "Tropfenform RM 2,5",
                      "0,1|0,22|0,47|1|2,2|4,7|10|22|47#6,3|10|16|25|35", 25, 150, 0},
                     {"Doppelschicht-Kondensatoren", "DSK {1}F/{2}", "", "Gold-Cap {1}F {2}V", "Speicherkondensator",
                      "0,1|0,22|0,47|1|4,7|10#2,7|5,5", 120, 790, 0},
                 }},
                {"Induktivitäten",
                 {
                     {"Festinduktivitäten axial", "L-AX {1}", "", "Festinduktivität axial", "{1b} 10%", "@L:2:7", 15,
                      60, 0},
                     {"Festinduktivitäten radial", "L-RAD {1}", "", "Festinduktivität radial", "{1b} 0,5A", "@L:3:7",
                      25, 110, 0},
                     {"SMD-Speicherdrosseln", "L-PIS {1}", "", "SMD-Speicherdrossel", "{1b} {2}A geschirmt",
                      "@L:3:6#0,5|1,2|2,5|4", 45, 240, 0},
                     {"Ringkerndrosseln", "RKD {2}A {1}", "", "Ringkerndrossel {2}A", "{1b} stehend", "@L:4:7#1|2|4|6",
                      90, 450, 0},
                     {"Ferritkerne und Perlen", "FERRIT {1}", "", "Ferritperle {1}", "Entstörung", "3,5x6|5x10|6x12", 6,
                      30, 0},
                 }},
                {"Quarze und Oszillatoren",
                 {
                     {"Quarze HC49", "{1}-HC49", "", "Quarz {1}MHz", "HC49/U 30ppm",
                      "3,2768|4,000|6,000|8,000|10,000|12,000|16,000|20,000|24,000|25,000", 18, 45, 0},
                     {"Quarze HC49-SMD", "{1}-SMD", "", "SMD-Quarz {1}MHz", "HC49/SMD 30ppm",
                      "4,000|8,000|12,000|16,000|20,000", 25, 60, 0},
                     {"Uhrenquarze", "32,768", "", "Uhrenquarz 32,768kHz", "Zylinder 2x6mm", "", 15, 40, 0},
                     {"Quarzoszillatoren", "OSZI {1}", "", "Quarzoszillator {1}MHz", "5V DIL14",
                      "1,000|4,000|8,000|10,000|16,000|20,000|32,000|40,000|50,000", 65, 190, 0},
                 }},
            }};
}

MainDef semiconductors() {
    return {
        "Halbleiter",
        {
            {"Dioden",
             {
                 {"Universaldioden", "{1}", "", "Si-Diode {1b}", "{1c}",
                  "1N4148^DO-35^75V 0,15A|1N4001^DO-41^50V 1A|1N4004^DO-41^400V 1A|1N4007^DO-41^1000V 1A|"
                  "1N5400^DO-201^50V 3A|1N5408^DO-201^1000V 3A|BY 255^DO-201^1300V 3A|1N914^DO-35^100V 0,2A",
                  2, 25, 0},
                 {"Schottky-Dioden", "{1}", "", "Schottky-Diode", "{1b}",
                  "BAT 43^30V 0,2A|BAT 85^30V 0,2A|1N5817^20V 1A|1N5819^40V 1A|SB 540^40V 5A|"
                  "SB 5100^100V 5A|MBR 1045^45V 10A",
                  5, 60, 0},
                 {"Z-Dioden 0,5W", "ZD {1}", "ZF {1}", "Z-Diode {1}V 0,5W", "DO-35 5%",
                  "2,7|3,3|3,9|4,7|5,1|5,6|6,2|6,8|7,5|8,2|9,1|10|12|15|18|22|24|27|33", 5, 12, 0},
                 {"Z-Dioden 1,3W", "ZPY {1}", "1,3W {1}", "Z-Diode {1}V 1,3W", "DO-41 5%",
                  "3,3|4,7|5,1|6,2|8,2|10|12|15|18|24|33|47|56", 8, 18, 0},
                 {"Gleichrichter", "{1}", "", "Brückengleichrichter", "{1b}",
                  "B40C800^40V 0,8A rund|B80C1500^80V 1,5A rund|B250C1500^250V 1,5A rund|"
                  "B380C1500^380V 1,5A|B40C5000^40V 5A|B250C5000^250V 5A|KBPC 3510^1000V 35A",
                  15, 290, 0},
                 {"Suppressordioden", "{1}", "", "Suppressordiode", "{1b}",
                  "P6KE 6,8A^6,8V 600W|P6KE 12A^12V 600W|P6KE 15A^15V 600W|P6KE 24A^24V 600W|"
                  "1,5KE 33A^33V 1500W",
                  18, 60, 0},
             }},
            {"Transistoren",
             {
                 {"Kleinsignaltransistoren", "{1}", "{1} TO92", "NPN-Transistor", "{1b} TO-92",
                  "BC 546B^65V 0,1A|BC 547B^45V 0,1A|BC 547C^45V 0,1A|BC 548C^30V 0,1A|BC 549C^30V 0,1A|"
                  "BC 550C^45V 0,1A|BC 337-40^45V 0,8A|2N 2222A^40V 0,6A|2N 3904^40V 0,2A",
                  4, 15, 0},
                 {"PNP-Kleinsignaltransistoren", "{1}", "", "PNP-Transistor", "{1b} TO-92",
                  "BC 556B^65V 0,1A|BC 557B^45V 0,1A|BC 557C^45V 0,1A|BC 558C^30V 0,1A|"
                  "BC 327-40^45V 0,8A|2N 3906^40V 0,2A",
                  4, 15, 0},
                 {"Leistungstransistoren", "{1}", "", "{1b}-Leistungstransistor", "{1c}",
                  "BD 135^NPN^45V 1,5A TO-126|BD 136^PNP^45V 1,5A TO-126|BD 139^NPN^80V 1,5A TO-126|"
                  "BD 140^PNP^80V 1,5A TO-126|TIP 120^NPN^60V 5A Darl.|TIP 125^PNP^60V 5A Darl.|"
                  "2N 3055^NPN^60V 15A TO-3|MJ 2955^PNP^60V 15A TO-3|BD 249C^NPN^100V 25A",
                  18, 190, 0},
                 {"MOSFET N-Kanal", "{1}", "", "MOSFET N-Kanal", "{1b}",
                  "BS 170^60V 0,5A TO-92|2N 7000^60V 0,2A TO-92|IRF 540N^100V 33A TO-220|"
                  "IRF 3205^55V 110A TO-220|IRLZ 34N^55V 30A Logic|IRFZ 44N^55V 49A TO-220|"
                  "BUZ 11^50V 30A TO-220",
                  12, 190, 0},
                 {"MOSFET P-Kanal", "{1}", "", "MOSFET P-Kanal", "{1b}",
                  "BS 250^45V 0,2A TO-92|IRF 9540N^100V 23A TO-220|IRF 4905^55V 74A TO-220|"
                  "IRF 9Z34N^55V 19A TO-220",
                  25, 190, 0},
                 {"Thyristoren und Triacs", "{1}", "", "{1b}", "{1c}",
                  "TIC 106D^Thyristor^400V 5A TO-220|TIC 126D^Thyristor^400V 12A|"
                  "BT 136-600^Triac^600V 4A TO-220|BT 137-600^Triac^600V 8A TO-220|"
                  "BTA 16-600^Triac^600V 16A isoliert|DIAC DB3^Diac^32V DO-35",
                  20, 160, 0},
             }},
            {"Analoge ICs",
             {
                 {"Operationsverstärker", "{1}", "{1} DIL", "{1b}", "{1c}",
                  "LM 358^Dual-OP^DIP-8 3..32V|LM 324^Quad-OP^DIP-14 3..32V|TL 071^JFET-OP^DIP-8 rauscharm|"
                  "TL 072^Dual-JFET-OP^DIP-8|TL 074^Quad-JFET-OP^DIP-14|NE 5532^Dual-OP Audio^DIP-8|"
                  "OP 07^Präzisions-OP^DIP-8|CA 3140^BiMOS-OP^DIP-8|LM 741^Standard-OP^DIP-8",
                  18, 190, 0},
                 {"Komparatoren", "{1}", "", "{1b}", "DIP-8",
                  "LM 311^Komparator|LM 393^Dual-Komparator|LM 339^Quad-Komparator", 20, 60, 0},
                 {"Timer-ICs", "{1}", "", "{1b}", "{1c}",
                  "NE 555^Timer-IC^DIP-8 bipolar|NE 556^Dual-Timer^DIP-14|ICM 7555^CMOS-Timer^DIP-8 2..18V", 18, 90, 0},
                 {"NF-Verstärker-ICs", "{1}", "", "NF-Verstärker {1b}", "{1c}",
                  "LM 386^0,5W^DIP-8 4..12V|TDA 2003^10W^Pentawatt|TDA 2030A^18W^Pentawatt|"
                  "TDA 7294^100W^Multiwatt 15|LM 1875^20W^TO-220-5|TDA 7297^2x15W^Brücke",
                  45, 490, 0},
                 {"Festspannungsregler positiv", "{1}", "{1b}", "Spannungsregler +{1c}V", "{1d}",
                  "78L05^LM 78L05^5^0,1A TO-92|78L12^LM 78L12^12^0,1A TO-92|7805^µA 7805^5^1A TO-220|"
                  "7806^µA 7806^6^1A TO-220|7809^µA 7809^9^1A TO-220|7812^µA 7812^12^1A TO-220|"
                  "7815^µA 7815^15^1A TO-220|7824^µA 7824^24^1A TO-220|78S05^LM 78S05^5^2A TO-220",
                  12, 60, 0},
                 {"Festspannungsregler negativ", "{1}", "", "Spannungsregler -{1b}V", "{1c}",
                  "79L05^5^0,1A TO-92|7905^5^1A TO-220|7912^12^1A TO-220|7915^15^1A TO-220", 15, 60, 0},
                 {"Einstellbare Spannungsregler", "{1}", "", "Spannungsregler einst.", "{1b}",
                  "LM 317T^1,2..37V 1,5A|LM 317L^1,2..37V 0,1A|LM 337T^-1,2..-37V 1,5A|"
                  "LM 350T^1,2..33V 3A|LM 338K^1,2..32V 5A TO-3|LM 2596-ADJ^Schaltregler 3A",
                  25, 590, 0},
                 {"Low-Drop-Regler", "{1}", "", "Low-Drop-Regler {1b}V", "{1c}",
                  "LM 2940-5^5^1A TO-220|LF 33CV^3,3^0,5A TO-220|LM 1117-3,3^3,3^0,8A SOT-223|"
                  "LP 2950-5^5^0,1A TO-92",
                  25, 120, 0},
                 {"Spannungsreferenzen", "{1}", "", "Spannungsref. {1b}V", "{1c}",
                  "TL 431^2,5..36^TO-92 einst.|LM 336-2,5^2,5^TO-92|REF 02^5^DIP-8 Präzision", 15, 590, 0},
             }},
            {"Digitale ICs",
             {
                 {"CMOS 4000er Serie", "{1}", "HEF {1}", "CMOS-IC", "{1b} DIP",
                  "4001^4x NOR|4011^4x NAND|4013^2x D-Flipflop|4017^Dekadenzähler|4040^12-Bit-Zähler|"
                  "4046^PLL|4049^6x Inverter|4060^14-Bit-Zähler Osz.|4066^4x Analogschalter|"
                  "4093^4x NAND Schmitt|4511^BCD-7-Segment",
                  15, 60, 0},
                 {"74HC Serie", "74HC{1}", "", "HCMOS-IC", "{1b} DIP",
                  "00^4x NAND|02^4x NOR|04^6x Inverter|08^4x AND|14^6x Schmitt-Inv.|32^4x OR|"
                  "74^2x D-Flipflop|86^4x XOR|138^3-8-Decoder|164^8-Bit-Schieberegister|"
                  "245^8-Bit-Bustreiber|573^8-Bit-Latch|595^Schieberegister",
                  15, 60, 0},
                 {"74HCT Serie", "74HCT{1}", "", "HCT-IC TTL-kompatibel", "{1b} DIP",
                  "00^4x NAND|04^6x Inverter|08^4x AND|14^6x Schmitt-Inv.|245^Bustreiber|573^Latch", 18, 70, 0},
                 {"Mikrocontroller 8 Bit", "µC-{1}", "", "Mikrocontroller 8 Bit", "{1b}",
                  "M8A-28^8kB Flash DIP-28|M16A-40^16kB Flash DIP-40|M32A-40^32kB Flash DIP-40|"
                  "M328-28^32kB Flash DIP-28|T13A-8^1kB Flash DIP-8|T85-8^8kB Flash DIP-8",
                  120, 690, 0},
                 {"Speicher-ICs", "{1}", "", "{1b}", "{1c}",
                  "24C02^EEPROM 2kBit^I2C DIP-8|24C256^EEPROM 256kBit^I2C DIP-8|"
                  "93C46^EEPROM 1kBit^Microwire|62256^SRAM 32kx8^DIP-28 70ns|27C512^EPROM 64kx8^DIP-28",
                  25, 490, 0},
                 {"Schnittstellen-ICs", "{1}", "", "{1b}", "{1c}",
                  "MAX 232^RS232-Treiber^DIP-16 5V|MAX 485^RS485-Treiber^DIP-8|"
                  "FT 232RL^USB-Seriell^SSOP-28|MCP 2515^CAN-Controller^DIP-18|"
                  "PCF 8574^I/O-Expander I2C^DIP-16",
                  45, 450, 0},
             }},
        }};
}

MainDef opto() {
    return {"Optoelektronik",
            {
                {"Leuchtdioden",
                 {
                     {"LEDs 3mm", "LED 3MM {1}", "", "LED 3mm {1b}", "{1c}mcd 20mA",
                      "RT^rot^40|GN^grün^30|GE^gelb^30|BL^blau^800|WS^weiß^4000", 5, 20, 0},
                     {"LEDs 5mm", "LED 5MM {1}", "", "LED 5mm {1b}", "{1c}mcd 20mA",
                      "RT^rot^60|GN^grün^40|GE^gelb^40|OR^orange^60|BL^blau^1500|WS^weiß^8000", 5, 25, 0},
                     {"LEDs 5mm superhell", "LED 5MM {1} SH", "", "LED 5mm superh. {1b}", "{1c}mcd 15°",
                      "RT^rot^8000|GN^grün^12000|BL^blau^6000|WS^weiß^30000|WW^warmweiß^25000", 12, 60, 0},
                     {"Duo- und RGB-LEDs", "LED {1}", "", "{1b}", "{1c}",
                      "DUO 3MM^Duo-LED 3mm rot/grün^2 Anschlüsse|DUO 5MM^Duo-LED 5mm rot/grün^3 Anschlüsse|"
                      "RGB 5MM^RGB-LED 5mm^gem. Kathode|RGB 5MM A^RGB-LED 5mm^gem. Anode",
                      18, 80, 0},
                     {"SMD-LEDs", "SMD-LED {1} {2}", "", "SMD-LED {1} {2b}", "{3} 20mA",
                      "0603|0805|1206|PLCC2#RT^rot|GN^grün|GE^gelb|BL^blau|WS^weiß#100mcd|200mcd", 60, 250, kPer100},
                     {"LED-Fassungen und Abstandshalter", "{1}", "", "{1b}", "{1c}",
                      "FASSUNG 3MM^LED-Fassung 3mm^Kunststoff schwarz|FASSUNG 5MM^LED-Fassung 5mm^Kunststoff schwarz|"
                      "CLIP 5MM CR^LED-Fassung 5mm^Metall verchromt|ABST 5MM^Abstandshalter 5mm^für LEDs 5mm",
                      4, 45, 0},
                 }},
                {"Anzeigen",
                 {
                     {"7-Segment-Anzeigen", "SA {1}-{2}{3}", "", "7-Segment-Anzeige {1}mm", "{3b}, {2b}",
                      "10|13|20|25|38#11^gem. Anode|12^gem. Kathode#RT^rot|GN^grün|GE^gelb", 45, 290, 0},
                     {"LCD-Module alphanumerisch", "LCD {1}", "", "LCD-Modul {1} Zeichen", "{2}",
                      "8x1|8x2|16x1|16x2|16x4|20x2|20x4|40x2#Hintergrundbel. grün|Hintergrundbel. blau|ohne Bel.", 490,
                      1990, 0},
                     {"Grafik-Displays", "{1}", "", "{1b}", "{1c}",
                      "OLED 0,96^OLED-Display 0,96\"^128x64 I2C|OLED 1,3^OLED-Display 1,3\"^128x64 SPI|"
                      "LCD 128X64^Grafik-LCD 128x64^blau, KS0108|TFT 2,8^TFT-Display 2,8\"^240x320 Touch",
                      590, 2490, 0},
                     {"LED-Bargraph-Anzeigen", "BAR {1}", "", "LED-Bargraph 10-fach", "{1b}",
                      "RT^rot|GN^grün|GE^gelb|MIX^rot/gelb/grün", 90, 190, 0},
                 }},
                {"Optokoppler und Sensoren",
                 {
                     {"Optokoppler", "{1}", "", "{1b}", "{1c}",
                      "CNY 17-3^Optokoppler^Transistor DIP-6|PC 817^Optokoppler^Transistor DIP-4|"
                      "6N137^Optokoppler schnell^10MBit/s DIP-8|MOC 3021^Optotriac^Nullsp. nein|"
                      "MOC 3041^Optotriac^mit Nullspannungssch.|4N25^Optokoppler^Transistor DIP-6",
                      20, 190, 0},
                     {"Fototransistoren und -dioden", "{1}", "", "{1b}", "{1c}",
                      "BPW 34^Fotodiode^PIN 430..1100nm|SFH 309^Fototransistor^3mm 380..1150nm|"
                      "BPW 40^Fototransistor^5mm klar|LDR 07^Fotowiderstand^5mm 10kOhm",
                      25, 120, 0},
                     {"Gabel- und Reflexlichtschranken", "{1}", "", "{1b}", "{1c}",
                      "CNY 70^Reflexkoppler^Transistorausgang|TCST 1103^Gabellichtschranke^Spalt 3,1mm|"
                      "TCRT 5000^Reflexkoppler^Transistorausgang",
                      45, 150, 0},
                     {"Infrarot-Bauteile", "{1}", "", "{1b}", "{1c}",
                      "IR-LED 5MM^IR-Sendediode 5mm^950nm 100mA|TSOP 31236^IR-Empfänger^36kHz|"
                      "TSOP 31238^IR-Empfänger^38kHz|IR-LED 3MM^IR-Sendediode 3mm^880nm 50mA",
                      12, 150, 0},
                 }},
                {"Lampen und Leuchtmittel",
                 {
                     {"Glühlampen E10", "E10 {1}V {2}A", "", "Glühlampe E10", "{1}V {2}A", "3,5|6|12|24#0,2|0,3|0,1",
                      25, 60, 0},
                     {"Glimmlampen", "GLIMM {1}", "", "Glimmlampe {1}", "230V mit Vorwiderstand", "rot|grün|klar", 25,
                      70, 0},
                     {"LED-Leuchtmittel", "LED-{1} {2}", "", "LED-Leuchtmittel {1}", "{1b}, {2}",
                      "MR16^12V 5W|G4^12V 1,5W|E14^230V 4W|E27^230V 9W#warmweiß|neutralweiß", 190, 890, 0},
                 }},
            }};
}

MainDef electromechanics() {
    return {"Elektromechanik",
            {
                {"Schalter und Taster",
                 {
                     {"Kippschalter", "KIPP {1}", "", "Kippschalter {1b}", "{2}, Lötanschluss",
                      "1xEIN^ein/aus|1xUM^1x um|2xUM^2x um|1xUM M^1x um M.#250V 3A|250V 6A|125V 6A", 120, 390, 0},
                     {"Drucktaster", "TASTER {1}", "", "Drucktaster {1b}", "{2}",
                      "RT^rot|SW^schwarz|GN^grün|WS^weiß#1x ein, 250V 1A|1x aus, 250V 1A", 45, 190, 0},
                     {"Kurzhubtaster", "KHT {1}", "", "Kurzhubtaster {1}", "{1b}",
                      "6x6x5^Höhe 5mm|6x6x9,5^Höhe 9,5mm|12x12x7^Höhe 7mm|SMD 6x6^SMD", 8, 35, 0},
                     {"Schiebeschalter", "SCHIEBE {1}", "", "Schiebeschalter {1}", "{1b}",
                      "1xUM^print stehend|2xUM^print stehend|1xUM M^Mini 50V 0,5A", 20, 80, 0},
                     {"Wippschalter", "WIPP {1}", "", "Wippschalter {2}", "{1b}",
                      "1P^1-polig ein/aus|2P^2-polig ein/aus|2P LT^2-pol. beleuchtet#250V 10A|250V 16A", 45, 290, 0},
                     {"Drehschalter und Kodierschalter", "{1}", "", "{1b}", "{1c}",
                      "DS 1X12^Drehschalter 1x12^Achse 6mm|DS 2X6^Drehschalter 2x6^Achse 6mm|"
                      "DS 4X3^Drehschalter 4x3^Achse 6mm|KOD 16^Kodierschalter BCD^16 Stellungen|"
                      "DIP 8^DIP-Schalter 8-pol.^RM 2,54",
                      45, 390, 0},
                 }},
                {"Relais",
                 {
                     {"Printrelais", "REL {1}V {2}", "", "Printrelais {1}V {2b}", "{3} {4}",
                      "5|6|12|24#1U^1x um|2U^2x um#250V|125V#1A|8A|16A", 80, 490, 0},
                     {"Reed-Relais", "REED {1}V {2}", "", "Reed-Relais {1}V DIL", "{2b}",
                      "5|12|24#1A^1 Schließer|1C^1 Wechsler", 90, 290, 0},
                     {"Halbleiterrelais", "SSR {1}", "", "Halbleiterrelais {1}", "{1b}",
                      "2A^3..32VDC Steuerung|10A^Nullspannungsschalter|25A^3..32VDC Schraubanschl.", 390, 1590, 0},
                     {"Relaisfassungen", "FASSUNG {1}", "", "Relaisfassung {1}", "{1b}", "FIN40^Hutschiene|PT^Print",
                      90, 290, 0},
                 }},
                {"Sicherungen",
                 {
                     {"Feinsicherungen flink 5x20mm", "F {1}A", "", "Feinsicherung 5x20mm", "{1}A flink 250V",
                      "0,05|0,1|0,16|0,25|0,315|0,5|0,63|0,8|1|1,25|1,6|2|2,5|3,15|4|5|6,3|8|10", 5, 15, 0},
                     {"Feinsicherungen träge 5x20mm", "T {1}A", "", "Feinsicherung 5x20mm", "{1}A träge 250V",
                      "0,05|0,1|0,16|0,25|0,315|0,5|0,63|0,8|1|1,25|1,6|2|2,5|3,15|4|5|6,3|8|10", 5, 18, 0},
                     {"Kfz-Flachsicherungen", "FLACH {1}A", "", "Kfz-Flachstecksicherung", "{1}A 32V",
                      "1|2|3|5|7,5|10|15|20|25|30", 8, 25, 0},
                     {"Sicherungshalter", "{1}", "", "{1b}", "{1c}",
                      "PL 126000^Sicherungshalter^5x20mm Printmontage|FEB-031^Einbauhalter^5x20mm 250V 6,3A|"
                      "KS 20-SW^Kappe^für 5x20mm schwarz|FLH 32^Kfz-Sicherungshalter^fliegend 32V",
                      15, 190, 0},
                     {"Rückstellende Sicherungen", "PFRA {1}", "", "PTC-Sicherung {1}A", "60V rückstellend",
                      "0,1|0,2|0,5|0,75|1,1|1,6|2,5|3", 18, 60, 0},
                 }},
                {"Lüfter und Kühlkörper",
                 {
                     {"Axiallüfter 12V", "LUEFTER {1}-12", "", "Axiallüfter 12V", "Lüfter {1}mm",
                      "40x40x10|60x60x25|80x80x25|92x92x25|120x120x25", 290, 990, 0},
                     {"Axiallüfter 230V", "LUEFTER {1}-230", "", "Axiallüfter 230V AC", "Lüfter {1}mm",
                      "80x80x38|92x92x25|120x120x38", 890, 1890, 0},
                     {"Kühlkörper", "KK {1}", "", "Kühlkörper {1c}", "{1b}",
                      "TO220^TO-220 Fingerk.^19x13x25mm|TO3^TO-3 Strangpress^75x40x25mm|"
                      "100^Strangpress^100x88x35mm|50^Strangpress^50x42x25mm|SOT^SMD^10x10x6mm",
                      25, 790, 0},
                     {"Wärmeleitmaterial", "{1}", "", "{1b}", "{1c}",
                      "WLP 10^Wärmeleitpaste^Tube 10g|WLP 35^Wärmeleitpaste^Dose 35g|"
                      "GP TO220^Glimmerscheibe TO-220^isolierend|SIL TO220^Silikonscheibe TO-220^isolierend",
                      3, 690, 0},
                 }},
            }};
}

MainDef connectors() {
    return {"Steckverbinder",
            {
                {"Stift- und Buchsenleisten",
                 {
                     {"Stiftleisten RM 2,54", "SL {1}", "", "Stiftleiste {1}-pol.", "RM 2,54 gerade",
                      "1x10|1x20|1x36|1x40|2x10|2x20|2x36|2x40", 12, 90, 0},
                     {"Buchsenleisten RM 2,54", "BL {1}", "", "Buchsenleiste {1}-pol.", "RM 2,54 gerade",
                      "1x10|1x20|1x32|1x36|2x10|2x20|2x32", 25, 190, 0},
                     {"Wannenstecker", "WS {1}G", "", "Wannenstecker {1}-pol.", "RM 2,54 gerade",
                      "6|10|14|16|20|26|34|40|50|64", 15, 90, 0},
                     {"Pfostenbuchsen", "PFL {1}", "", "Pfostenbuchse {1}-pol.", "mit Zugentlastung",
                      "6|10|14|16|20|26|34|40|50|64", 12, 80, 0},
                     {"Jumper und Kurzschlussbrücken", "JUMPER {1}", "", "Kurzschlussbrücke", "RM 2,54 {1b}",
                      "SW^schwarz|RT^rot|GE^gelb|OF^offen, schwarz", 3, 8, 0},
                 }},
                {"Rundsteckverbinder",
                 {
                     {"Klinkenstecker und -buchsen", "{1}", "", "{1b}", "{1c}",
                      "KLS 35^Klinkenstecker 3,5mm^mono|KLS 35 ST^Klinkenstecker 3,5mm^stereo|"
                      "KLB 35 ST^Klinkeneinbaubuchse^3,5mm stereo|KLS 63 ST^Klinkenstecker 6,3mm^stereo Metall|"
                      "KLB 63 ST^Klinkeneinbaubuchse^6,3mm stereo|KLK 25^Klinkenkupplung 2,5mm^mono",
                      25, 290, 0},
                     {"Hohlstecker und -buchsen", "{1}", "", "{1b}", "{1c}",
                      "HS 21^Hohlstecker^5,5/2,1mm|HS 25^Hohlstecker^5,5/2,5mm|HEBL 21^Hohleinbaubuchse^2,1mm Print|"
                      "HEBL 25^Hohleinbaubuchse^2,5mm Print|HK 21^Hohlkupplung^5,5/2,1mm",
                      15, 90, 0},
                     {"DIN-Steckverbinder", "{1}", "", "{1b}", "{1c}",
                      "DIN 5S^DIN-Stecker 5-pol.^180°|DIN 5EB^DIN-Einbaubuchse 5-pol.^180° Print|"
                      "MD 6S^Mini-DIN-Stecker 6-pol.^Lötanschluss|MD 6EB^Mini-DIN-Buchse 6-pol.^Print",
                      25, 120, 0},
                     {"Rundsteckverbinder M12", "M12 {1}", "", "M12-Steckverbinder", "{1b}",
                      "4S^4-pol. Stecker gerade|4B^4-pol. Buchse gerade|5S^5-pol. Stecker gerade|"
                      "8B^8-pol. Buchse gerade",
                      390, 990, 0},
                 }},
                {"Sub-D und Flachband",
                 {
                     {"Sub-D Stecker", "D-SUB ST {1}", "", "Sub-D-Stecker {1}-pol.", "{2}",
                      "09|15|25|37#Lötkelch|Print gewinkelt|Crimp", 18, 120, 0},
                     {"Sub-D Buchsen", "D-SUB BU {1}", "", "Sub-D-Buchse {1}-pol.", "{2}",
                      "09|15|25|37#Lötkelch|Print gewinkelt|Crimp", 18, 120, 0},
                     {"Sub-D Gehäuse", "D-SUB KAPPE {1}", "", "Sub-D-Haube {1}-pol.", "{2}",
                      "09|15|25|37#Kunststoff grau|Metall", 20, 290, 0},
                     {"Flachbandkabel", "AWG28-{1}G", "", "Flachbandkabel {1}-pol.", "RM 1,27 grau, je Meter",
                      "6|10|14|16|20|26|34|40|50|64", 25, 190, 0},
                 }},
                {"Koaxial-Steckverbinder",
                 {
                     {"BNC-Steckverbinder", "BNC {1}", "", "BNC-{1b}", "{1c}",
                      "ST 174^Stecker^RG174 50 Ohm|ST 58^Stecker^RG58 50 Ohm|EB 50^Einbaubuchse^50 Ohm isoliert|"
                      "T^T-Stück^Buchse/Stecker/Buchse|ABS 50^Abschluss^50 Ohm",
                      45, 390, 0},
                     {"SMA-Steckverbinder", "SMA {1}", "", "SMA-{1b}", "{1c}",
                      "ST^Stecker^RG174 Crimp|BU^Einbaubuchse^Flansch 4-Loch|PRINT^Printbuchse^gerade", 90, 390, 0},
                     {"F-Steckverbinder", "F-{1}", "", "F-Stecker {1}", "{1b}",
                      "ST 7^für Kabel 7mm|ST 5^für Kabel 5mm|KUPP^Kupplung", 15, 90, 0},
                 }},
                {"Klemmen und Verbinder",
                 {
                     {"Leiterplattenklemmen", "AKL {1}-{2}", "", "Anreihklemme {2}-pol.", "RM {1} 250V",
                      "5,0|5,08|7,5#2|3|4|6", 15, 90, 0},
                     {"Lüsterklemmen", "LUESTER {1}", "", "Lüsterklemme 12-pol.", "{1}mm² {1b}",
                      "2,5^weiß|4^weiß|6^weiß|10^grau", 60, 290, 0},
                     {"Flachstecker und Kabelschuhe", "{1}", "", "{1b}", "{1c}",
                      "FS 6,3^Flachsteckhülse 6,3^isoliert rot|FS 4,8^Flachsteckhülse 4,8^isoliert rot|"
                      "RKS 4^Ringkabelschuh M4^isoliert rot|RKS 6^Ringkabelschuh M6^isoliert gelb|"
                      "AEH 1,5^Aderendhülse 1,5mm²^isoliert schwarz",
                      100, 590, kPer100},
                     {"Bananenstecker und Buchsen", "{1} {2}", "", "{1b}", "{2b}, {3}",
                      "BS 4^Bananenstecker 4mm|BU 4^Buchse 4mm|LAB 4^Laborbuchse 4mm#RT^rot|SW^schwarz|BL^blau"
                      "#vergoldet|vernickelt",
                      25, 190, 0},
                 }},
            }};
}

MainDef cables() {
    return {
        "Kabel und Leitungen",
        {
            {"Schalt- und Litzenleitungen",
             {
                 {"Schaltlitze LiY 0,14mm²", "LIY 0,14 {1}", "", "Schaltlitze 0,14mm²", "{1b}, Ring 10m",
                  "RT^rot|SW^schwarz|BL^blau|GN^grün|GE^gelb|WS^weiß|BR^braun|GR^grau", 120, 190, 0},
                 {"Schaltlitze LiY 0,25mm²", "LIY 0,25 {1}", "", "Schaltlitze 0,25mm²", "{1b}, Ring 10m",
                  "RT^rot|SW^schwarz|BL^blau|GN^grün|GE^gelb|WS^weiß|BR^braun|GR^grau", 150, 250, 0},
                 {"Schaltdraht", "YV 0,5 {1}", "", "Schaltdraht 0,5mm", "{1b}, Ring 10m",
                  "RT^rot|SW^schwarz|BL^blau|GN^grün|GE^gelb|WS^weiß", 120, 190, 0},
                 {"Silikonlitze", "SIL {1} {2}", "", "Silikonlitze {1}mm²", "{2b}, je Meter",
                  "0,5|0,75|1,5|2,5#RT^rot|SW^schwarz", 60, 290, 0},
                 {"Kupferlackdraht", "CUL {1}", "", "Kupferlackdraht {1}mm", "Spule 100g", "0,1|0,2|0,3|0,5|0,8|1,0",
                  390, 690, 0},
             }},
            {"Audio- und Datenkabel",
             {
                 {"Audiokabel konfektioniert", "{1}", "", "{1b}", "Länge {2}m",
                  "AK 35-35^Klinke 3,5 St/St^|AK 35-2C^Klinke 3,5/2x Cinch^|AK 2C-2C^2x Cinch St/St^"
                  "#1,5|3|5|10",
                  120, 590, 0},
                 {"USB-Kabel", "USB {1} {2}M", "", "USB-Kabel {1b}", "Länge {2}m",
                  "AB^A-St./B-St.|AMI^A-St./Micro-B|AC^A-St./C-St.|CC^C-St./C-St.#0,5|1|1,8|3", 190, 890, 0},
                 {"Netzwerkkabel", "CAT6 {1}M {2}", "", "Patchkabel Cat.6 S/FTP", "{1}m {2b}",
                  "0,5|1|2|3|5|10|20#GR^grau|BL^blau|GE^gelb|RT^rot", 120, 1290, 0},
                 {"Mehradrige Steuerleitungen", "LIYY {1}X{2}", "", "Steuerleitung LiYY", "{1}x{2}mm², je Meter",
                  "2|3|4|5|7|12#0,14|0,25|0,5|0,75", 45, 390, 0},
                 {"Koaxialkabel", "{1}", "", "Koaxialkabel {1}", "{1b}, je Meter",
                  "RG 58^50 Ohm 5mm|RG 174^50 Ohm 2,8mm|RG 59^75 Ohm 6mm|SAT 120^75 Ohm 120dB", 45, 190, 0},
             }},
            {"Netz- und Gerätekabel",
             {
                 {"Kaltgeräte-Anschlussleitungen", "KG {1} {2}M", "", "Netzkabel {1b}", "Länge {2}m, {3}",
                  "C13^Kaltgeräte C13^|C7^Euro-Stecker C7^|C5^Mickey-Mouse C5^#1,5|2|3,5#schwarz|grau", 190, 590, 0},
                 {"Schrumpfschläuche", "SDH {1} {2}", "", "Schrumpfschlauch {1}mm", "2:1 {2b}, 1,2m",
                  "1,2|1,6|2,4|3,2|4,8|6,4|9,5|12,7|19,1#SW^schwarz|RT^rot|TR^transparent", 25, 190, 0},
                 {"Kabelbinder", "KB {1}", "", "Kabelbinder {1}mm", "{1b}, 100 Stück",
                  "100x2,5^natur|200x3,6^natur|200x4,8^schwarz|300x4,8^schwarz|370x7,6^schwarz", 90, 590, 0},
             }},
        }};
}

}  // namespace

void appendComponentGroups(std::vector<MainDef>& plan) {
    plan.push_back(resistors());
    plan.push_back(passive());
    plan.push_back(semiconductors());
    plan.push_back(opto());
    plan.push_back(electromechanics());
    plan.push_back(connectors());
    plan.push_back(cables());
}

}  // namespace kvx::catgen
