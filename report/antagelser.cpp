#include "report/antagelser.h"

#include "common/format.h"
#include "calculation/beregning.h"
#include "loads/lastkombinationer.h"
#include "project/sneformfaktor.h"

namespace kvistor {

namespace {

// "1, 3 og 8" of a list of numbers.
std::string Opremsning(const std::vector<int>& tal) {
  std::string s;
  for (std::size_t i = 0; i < tal.size(); ++i) {
    if (i > 0) s += i + 1 == tal.size() ? " og " : ", ";
    s += std::to_string(tal[i]);
  }
  return s;
}

// Which purlins each load combination is computed for, from the driver's
// own table of existing cases.
std::string KombinationerOgAase() {
  std::vector<int> kunAas2, alle, ingen;
  for (int lk = 1; lk <= 13; ++lk) {
    bool aas[4] = {};
    for (int a = 1; a <= 3; ++a)
      for (char lt = 'a'; lt <= 'x'; ++lt)
        if (TilfaeldeFindes(a, lk, lt)) aas[a] = true;
    if (aas[1] && aas[2] && aas[3]) alle.push_back(lk);
    else if (aas[2] && !aas[1] && !aas[3]) kunAas2.push_back(lk);
    else if (!aas[1] && !aas[2] && !aas[3]) ingen.push_back(lk);
  }
  std::string s = "LK " + Opremsning(kunAas2) + " regnes kun for ås 2, LK " + Opremsning(alle) +
                  " (vind) for ås 1, 2 og 3";
  if (!ingen.empty()) s += "; LK " + Opremsning(ingen) + " regnes ikke";
  return s + ".";
}

}  // namespace

std::vector<TAntagelse> ProgrammetsAntagelser() {
  std::vector<TAntagelse> a;
  a.push_back(
      {"Det indvendige vindtryk qki regnes med spidsfaktoren kp = 1,5, det udvendige qku med "
       "kp = 3,5.",
       "qki bliver 30–43 % mindre end med peakhastighedstrykket qp(z) (EN 1991-1-4, 7.2.9); "
       "opadrettet træk og forankringskræfter kan blive undervurderet. Skærpet kontrol regner "
       "qki med kp = 3,5."});
  a.push_back(
      {"Forskydning eftervises på hele tværsnitsbredden, uden revnefaktoren kcr "
       "(fv,d = kmod·fv,k/γM).",
       "Med styrkerne fra EN 338 bliver forskydningsbæreevnen for C14–C30 ca. 49 % for stor i "
       "forhold til EN 1995-1-1+A1, 6.1.7(2) med kcr = 0,67. Det er sjældent afgørende (korte "
       "fag, høje tværsnit). Skærpet kontrol regner med kcr = 0,67."});
  a.push_back(
      {Format("Sne: eksponeringsfaktor Ce = 1 og termisk faktor Ct = 1; formfaktoren er %1.1n "
              "op til 30° og falder lineært til 0 ved 60°, på en karakteristisk terrænværdi på "
              "1,0 kN/m².",
              {NormalSneFormfaktor(0)}),
       "Vindudsat eller læ beliggenhed, opvarmede glastage og snefygning mod højere "
       "bygningsdele indgår ikke; giv i så fald en forhøjet snelast."});
  a.push_back({"Ingen dominerende åbninger: indvendig formfaktor cpi = +0,2 eller −0,3.",
               "Har bygningen porte eller åbninger, der kan stå åbne i storm, skal det indvendige "
               "tryk vurderes særskilt."});
  a.push_back(
      {"Alle åse har samme tværsnit, styrkeklasse og gerberbeslag. Der regnes på tre "
       "repræsentative åse på den vestlige tagflade: ås 1 ved tagfoden, ås 2 en åseafstand "
       "højere oppe og ås 3 under kippen.",
       "Resultatet gælder den hårdest belastede af de tre. Åse med andre laster eller "
       "lastbredder (ved kviste, skotrender, ændret åseafstand) skal eftervises særskilt."});
  a.push_back({KombinationerOgAase(),
               "Ås 1 ved tagfoden har den halve lastbredde og ås 3 samme lastbredde som ås 2, så "
               "egenlast, sne og punktlast påvirker ikke ås 1 og 3 mere end ås 2; for vind er "
               "randzonerne ved tagfod og kip medtaget. Nyttelast på taget indgår kun som "
               "punktlasten."});
  a.push_back(
      {"En forhøjet snelast virker som jævnt fordelt sne langs hele åsen; de skiftende "
       "fordelinger (halv sne i hvert andet fag) bruger den mindste af den forhøjede og den "
       "normale værdi.",
       "En lokal snepude regnes, som lå den på hele åsens længde: på den sikre side for åsen, "
       "men reaktionerne ved gavlene kan blive større end den lokale last giver."});
  a.push_back({"Vind på taget virker vinkelret på tagfladen; friktion langs tagfladen medtages "
               "ikke, og vindzonerne placeres med vægtykkelse 0.",
               "Friktionskræfter på lange tage skal optages særskilt (fx af vindkryds)."});
  a.push_back(
      {"Åsens egen kipning regnes med den normale rammeafstand som kiplængde i alle fag "
       "(kcr af den relative slankhed).",
       "Åsen skal være fastholdt mod sideflytning og vridning ved hver ramme. Gavlfagene er "
       "ikke længere end normalfagene, så kiplængden er på den sikre side der."});
  a.push_back(
      {"Normalkraften fra vind på gavlene (skaleret med normalkraftfaktoren) indgår i "
       "beslagenes eftervisning, ikke i tværsnittets spændinger.",
       "Ved en stor normalkraft skal åsen eftervises særskilt for bøjning med tryk eller træk "
       "(søjlevirkning)."});
  a.push_back(
      {"Kipningsmomentet Mkip fra rammerne virker ved én indre ramme ad gangen, med −0,73·Mkip "
       "ved understøtningen til venstre for den, sammen med jævnt fordelt sne (LK 3).",
       "Åsen regnes som afstivning af rammerne; andre afstivninger (vindkryds, skiver) er ikke "
       "medtaget."});
  a.push_back(
      {"Bøjning om begge akser eftervises med den største af σm,y + 0,7·σm,z og "
       "0,7·σm,y + σm,z; forskydning som τ = 1,5·V/A med V som vektorsum af Vz og Vy.",
       "Som EN 1995-1-1, 6.1.6 for rektangulære tværsnit; forskydningen er på den sikre side."});
  a.push_back(
      {"Gerberbeslagenes bæreevner regnes med partialkoefficienten for konstruktionstræ C18, "
       "uanset åsens materiale; hver samling har to beslag.",
       "For limtræsåse er beslaget regnet med en lidt større partialkoefficient end træet: på "
       "den sikre side."});
  a.push_back(
      {Format("Nedbøjning af egenlast regnes med krybning (1 + kdef, kdef = %1.1n / %1.1n / "
              "%1.1n i anvendelsesklasse 1 / 2 / 3), af sne og punktlast uden. Grænserne "
              "L/400 og L/200 er vejledende.",
              {Kdef(0), Kdef(1), Kdef(2)}),
       "Krav fra tagdækning, inddækninger eller bygherre skal vurderes særskilt."});
  a.push_back({"Tværudbøjningen parallelt med tagfladen regnes som w = u·tan(v)·(h/b)² af "
               "nedbøjningen u vinkelret på tagfladen.",
               "Et overslag; w bør ikke overstige L/200."});
  // A formula stays on one line.
  for (TAntagelse& x : a)
    for (std::string* t : {&x.Antagelse, &x.Konsekvens})
      for (std::size_t p = 0; (p = t->find(" = ", p)) != std::string::npos;)
        t->replace(p, 3, "\u00A0=\u00A0");
  return a;
}

}  // namespace kvistor
