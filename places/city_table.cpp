#include "places/city_table.h"

#include <array>
#include <utility>

namespace vespera {
namespace {

// Köln and Washington carry their true coordinates; the old rows pointed to
// the Netherlands and to New Jersey. München and Zwickau carry GeoNames'
// (ids 2867714, 2803560); the old rows lay 29 km north-east, at the airport,
// and 19 km west. Commune keys as the gazetteer has them (GeoNames admin
// codes: AGS, Gemeindekennziffer, BFS number); Wien is Gemeinde 90001 of
// Statistik Austria.
constexpr std::array<City, 101> kCities = {{
    {"Aachen", 6.08444444444444, 50.7761111111111, 1, "Europe/Berlin", "DE-NW", "05334002"},
    {"Augsburg", 10.9, 48.3722222222222, 1, "Europe/Berlin", "DE-BY", "09761000"},
    {"Bamberg", 10.8888888888889, 49.8916666666667, 1, "Europe/Berlin", "DE-BY", "09461000"},
    {"Bayreuth", 11.5777777777778, 49.9444444444444, 1, "Europe/Berlin", "DE-BY", "09462000"},
    {"Berlin", 13.2975, 52.5222222222222, 1, "Europe/Berlin", "DE-BE", "11000000"},
    {"Bielefeld", 8.53305555555556, 52.0225, 1, "Europe/Berlin", "DE-NW", "05711000"},
    {"Bochum", 7.22138888888889, 51.4836111111111, 1, "Europe/Berlin", "DE-NW", "05911000"},
    {"Bonn", 7.10055555555556, 50.7347222222222, 1, "Europe/Berlin", "DE-NW", "05314000"},
    {"Braunschweig", 10.5211111111111, 52.2691666666667, 1, "Europe/Berlin", "DE-NI", "03101000"},
    {"Bremen", 8.80972222222222, 53.0769444444445, 1, "Europe/Berlin", "DE-HB", "04011000"},
    {"Chemnitz", 12.9222222222222, 50.8361111111111, 1, "Europe/Berlin", "DE-SN", "14511000"},
    {"Clausthal-Zellerfeld", 10.335, 51.8055555555556, 1, "Europe/Berlin", "DE-NI", "03153018"},
    {"Cottbus", 14.3352777777778, 51.7591666666667, 1, "Europe/Berlin", "DE-BB", "12052000"},
    {"Darmstadt", 8.65416666666667, 49.8719444444444, 1, "Europe/Berlin", "DE-HE", "06411000"},
    {"Dortmund", 7.46833333333333, 51.5161111111111, 1, "Europe/Berlin", "DE-NW", "05913000"},
    {"Dresden", 13.7388888888889, 51.0541666666667, 1, "Europe/Berlin", "DE-SN", "14612000"},
    {"Düsseldorf", 6.78305555555556, 51.2255555555556, 1, "Europe/Berlin", "DE-NW", "05111000"},
    {"Duisburg", 6.76194444444444, 51.4380555555556, 1, "Europe/Berlin", "DE-NW", "05112000"},
    {"Eichstätt", 11.1916666666667, 48.8916666666667, 1, "Europe/Berlin", "DE-BY", "09176123"},
    {"Eisenstadt", 16.5244444444444, 47.8458333333333, 1, "Europe/Vienna", "AT-1", "10101"},
    {"Erfurt", 11.025, 50.9772222222222, 1, "Europe/Berlin", "DE-TH", "16051000"},
    {"Ergolding", 12.15, 48.55, 1, "Europe/Berlin", "DE-BY", "09274126"},
    {"Essen", 7.01055555555556, 51.4569444444444, 1, "Europe/Berlin", "DE-NW", "05113000"},
    {"Flensburg", 9.43666666666667, 54.7847222222222, 1, "Europe/Berlin", "DE-SH", "01001000"},
    {"Frankfurt/Main", 8.68194444444444, 50.1122222222222, 1, "Europe/Berlin", "DE-HE", "06412000"},
    {"Frankfurt/Oder", 14.5561111111111, 52.3444444444444, 1, "Europe/Berlin", "DE-BB", "12053000"},
    {"Freiburg", 7.85305555555555, 47.9966666666667, 1, "Europe/Berlin", "DE-BW", "08311000"},
    {"Gera", 12.0827777777778, 50.8822222222222, 1, "Europe/Berlin", "DE-TH", "16052000"},
    {"Giessen", 8.67527777777778, 50.5886111111111, 1, "Europe/Berlin", "DE-HE", "06531005"},
    {"Göttingen", 9.94416666666667, 51.53, 1, "Europe/Berlin", "DE-NI", "03159016"},
    {"Graz", 15.4372222222222, 47.0713888888889, 1, "Europe/Vienna", "AT-6", "60101"},
    {"Hagen", 7.465, 51.3636111111111, 1, "Europe/Berlin", "DE-NW", "05914000"},
    {"Halle", 11.9711111111111, 51.4841666666667, 1, "Europe/Berlin", "DE-ST", "15002000"},
    {"Hamburg", 9.99194444444444, 53.5491666666667, 1, "Europe/Berlin", "DE-HH", "02000000"},
    {"Hannover", 9.74027777777778, 52.3708333333333, 1, "Europe/Berlin", "DE-NI", "03241001"},
    {"Heidelberg", 8.70277777777778, 49.4119444444444, 1, "Europe/Berlin", "DE-BW", "08221000"},
    {"Heilbronn", 9.22, 49.1427777777778, 1, "Europe/Berlin", "DE-BW", "08121000"},
    {"Hildesheim", 9.945, 52.1541666666667, 1, "Europe/Berlin", "DE-NI", "03254021"},
    {"Ilmenau", 10.9163888888889, 50.6969444444444, 1, "Europe/Berlin", "DE-TH", "16070029"},
    {"Jena", 11.5891666666667, 50.9302777777778, 1, "Europe/Berlin", "DE-TH", "16053000"},
    {"Jülich", 6.35944444444444, 50.9230555555556, 1, "Europe/Berlin", "DE-NW", "05358024"},
    {"Kaiserslautern", 7.77222222222222, 49.4444444444444, 1, "Europe/Berlin", "DE-RP", "07312000"},
    {"Karlsruhe", 8.40555555555556, 49.0055555555556, 1, "Europe/Berlin", "DE-BW", "08212000"},
    {"Kassel", 9.50222222222222, 51.3183333333333, 1, "Europe/Berlin", "DE-HE", "06611000"},
    {"Kiel", 10.145, 54.3261111111111, 1, "Europe/Berlin", "DE-SH", "01002000"},
    {"Koblenz", 7.59666666666667, 50.3619444444444, 1, "Europe/Berlin", "DE-RP", "07111000"},
    {"Köln", 6.9583, 50.9413, 1, "Europe/Berlin", "DE-NW", "05315000"},
    {"Konstanz", 9.17583333333333, 47.6597222222222, 1, "Europe/Berlin", "DE-BW", "08335043"},
    {"Landau/Pfalz", 8.11666666666667, 49.1972222222222, 1, "Europe/Berlin", "DE-RP", "07313000"},
    {"Leipzig", 12.3738888888889, 51.3377777777778, 1, "Europe/Berlin", "DE-SN", "14713000"},
    {"Leoben", 15.0947222222222, 47.38, 1, "Europe/Vienna", "AT-6", "61108"},
    {"Ludwigsburg", 9.19194444444445, 48.8986111111111, 1, "Europe/Berlin", "DE-BW", "08118048"},
    {"Ludwigshafen", 8.44444444444444, 49.4805555555556, 1, "Europe/Berlin", "DE-RP", "07314000"},
    {"Lübeck", 10.6861111111111, 53.8694444444444, 1, "Europe/Berlin", "DE-SH", "01003000"},
    {"Lüneburg", 10.4138888888889, 53.2491666666667, 1, "Europe/Berlin", "DE-NI", "03355022"},
    {"Magdeburg", 11.6355555555556, 52.1263888888889, 1, "Europe/Berlin", "DE-ST", "15003000"},
    {"Mainz", 8.26944444444445, 49.9966666666667, 1, "Europe/Berlin", "DE-RP", "07315000"},
    {"Mannheim", 8.46722222222222, 49.4830555555556, 1, "Europe/Berlin", "DE-BW", "08222000"},
    {"München", 11.57549, 48.13743, 1, "Europe/Berlin", "DE-BY", "09162000"},
    {"Nürnberg", 11.0830555555556, 49.45, 1, "Europe/Berlin", "DE-BY", "09564000"},
    {"Oldenburg", 8.2175, 53.1391666666667, 1, "Europe/Berlin", "DE-NI", "03403000"},
    {"Osnabrück", 8.04555555555556, 52.2788888888889, 1, "Europe/Berlin", "DE-NI", "03404000"},
    {"Paderborn", 8.75638888888889, 51.7202777777778, 1, "Europe/Berlin", "DE-NW", "05774032"},
    {"Passau", 13.4694444444444, 48.575, 1, "Europe/Berlin", "DE-BY", "09262000"},
    {"Pforzheim", 8.70416666666667, 48.8933333333333, 1, "Europe/Berlin", "DE-BW", "08231000"},
    {"Regensburg", 12.1, 49.0194444444444, 1, "Europe/Berlin", "DE-BY", "09362000"},
    {"Reutlingen", 9.21444444444444, 48.4922222222222, 1, "Europe/Berlin", "DE-BW", "08415061"},
    {"Rostock", 12.1336111111111, 54.0897222222222, 1, "Europe/Berlin", "DE-MV", "13003000"},
    {"Saarbrücken", 6.99222222222222, 49.2322222222222, 1, "Europe/Berlin", "DE-SL", "10041100"},
    {"Siegen", 8.02722222222222, 50.8761111111111, 1, "Europe/Berlin", "DE-NW", "05970040"},
    {"Stettin", 14.5619444444444, 53.4280555555556, 1, "Europe/Warsaw", "", ""},
    {"St. Pölten", 15.62, 48.2077777777778, 1, "Europe/Vienna", "AT-3", "30201"},
    {"Stuttgart", 9.17888888888889, 48.7775, 1, "Europe/Berlin", "DE-BW", "08111000"},
    {"Trier", 6.64388888888889, 49.7572222222222, 1, "Europe/Berlin", "DE-RP", "07211000"},
    {"Tübingen", 9.05666666666667, 48.5208333333333, 1, "Europe/Berlin", "DE-BW", "08416041"},
    {"Ulm", 9.99305555555556, 48.3994444444444, 1, "Europe/Berlin", "DE-BW", "08421000"},
    {"Weimar", 11.3333333333333, 50.9813888888889, 1, "Europe/Berlin", "DE-TH", "16055000"},
    {"Wien", 16.3733333333333, 48.2083333333333, 1, "Europe/Vienna", "AT-9", "90001"},
    {"Wiesbaden", 8.24583333333333, 50.0402777777778, 1, "Europe/Berlin", "DE-HE", "06414000"},
    {"Wilhelmshaven", 8.12222222222222, 53.5188888888889, 1, "Europe/Berlin", "DE-NI", "03405000"},
    {"Wolfenbüttel", 10.5383333333333, 52.1633333333333, 1, "Europe/Berlin", "DE-NI", "03158037"},
    {"Worms", 8.3625, 49.6313888888889, 1, "Europe/Berlin", "DE-RP", "07319000"},
    {"Würzburg", 9.93333333333333, 49.7944444444444, 1, "Europe/Berlin", "DE-BY", "09663000"},
    {"Wuppertal", 7.14305555555556, 51.2638888888889, 1, "Europe/Berlin", "DE-NW", "05124000"},
    {"Zwickau", 12.48839, 50.72724, 1, "Europe/Berlin", "DE-SN", "14524330"},
    {"Wien (A)", 16.3687992095947, 48.2025413513184, 1, "Europe/Vienna", "AT-9", "90001"},
    {"Salzburg (A)", 13.0433702468872, 47.8006706237793, 1, "Europe/Vienna", "AT-5", "50101"},
    {"Bern (Ch)", 7.44046020507813, 46.948429107666, 1, "Europe/Zurich", "CH-BE", "351"},
    {"Zürich (Ch)", 8.53954982757568, 47.3770599365234, 1, "Europe/Zurich", "CH-ZH", "261"},
    {"Rom (I)", 12.4957599639893, 41.9031105041504, 1, "Europe/Rome", "", ""},
    {"Paris (Fr)", 2.34120011329651, 48.8569297790527, 1, "Europe/Paris", "", ""},
    {"Madrid (E)", -3.70577001571655, 40.4202995300293, 1, "Europe/Madrid", "", ""},
    {"Kopenhagen (Dk)", 12.5693502426147, 55.6763114929199, 1, "Europe/Copenhagen", "", ""},
    {"London (GB)", -0.127140000462532, 51.5063209533691, 0, "Europe/London", "", ""},
    {"New York (USA)", -74.0071182250977, 40.7145500183105, -5, "America/New_York", "", ""},
    {"Washington (USA)", -77.0365, 38.8977, -5, "America/New_York", "", ""},
    {"Los Angeles (USA)", -118.245323181152, 34.0534896850586, -8, "America/Los_Angeles", "", ""},
    {"Moskau (Rus)", 37.6149711608887, 55.756950378418, 3, "Europe/Moscow", "", ""},
    {"Warschau (Pl)", 21.0094795227051, 52.2353706359863, 1, "Europe/Warsaw", "", ""},
    {"Prag (Cz)", 14.433219909668, 50.0790786743164, 1, "Europe/Prague", "", ""},
    {"Kapstadt (SA)", 18.421989440918, -33.9190902709961, 1, "Africa/Johannesburg", "", ""},
}};

// Former list texts and the names that replaced them: the country code of
// Czechoslovakia, an English name among German ones, a trailing blank.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kFormerNames = {{
    {"Prag (Cs)", "Prag (Cz)"},
    {"Cape Town (SA)", "Kapstadt (SA)"},
    {"Madrid (E) ", "Madrid (E)"},
}};

} // namespace

std::span<const City> cities() { return kCities; }

const City* find_city(std::string_view name) {
    for (const City& city : kCities) {
        if (name == city.name) return &city;
    }
    return nullptr;
}

const City* find_stored_city(std::string_view name) {
    if (const City* city = find_city(name)) return city;
    for (const auto& [former, current] : kFormerNames) {
        if (name == former) return find_city(current);
    }
    return nullptr;
}

} // namespace vespera
