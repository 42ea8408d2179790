#include "chartable/Answers.h"

#include <algorithm>
#include <utility>

namespace chartable {
namespace {

// Characters common in names that are stored as typed although OpenCC
// writes them otherwise in running text: the surnames 于 余 岳 范 朴 郁 游
// (not 於 餘 嶽 範 樸 鬱 遊), and 云, which the editor has always stored as
// 云 (A4 AA).
constexpr char32_t kStoredAsTyped[] = {U'于', U'余', U'云', U'岳', U'范', U'朴', U'郁', U'游'};

bool StoredAsTyped(char32_t cp) {
  return std::find(std::begin(kStoredAsTyped), std::end(kStoredAsTyped), cp) != std::end(kStoredAsTyped);
}

// Japanese forms that OpenCC and Unihan do not pair with their traditional
// ones: extended new forms (拡張新字体) that JIS X 0208 prints in place of the
// traditional characters, and 﨑 of the IBM rows, which Unihan lists with
// several variants before 崎.
constexpr std::pair<char32_t, char32_t> kJapaneseForms[] = {
    {U'﨑', U'崎'},
    {U'鴬', U'鶯'}, {U'潅', U'灌'}, {U'諌', U'諫'}, {U'尭', U'堯'}, {U'倶', U'俱'}, {U'頚', U'頸'},
    {U'讃', U'讚'}, {U'賎', U'賤'}, {U'涜', U'瀆'}, {U'嚢', U'囊'}, {U'蝿', U'蠅'}, {U'壷', U'壺'},
    {U'篭', U'籠'}, {U'姫', U'姬'}, {U'頬', U'頰'}, {U'騨', U'驒'}, {U'箆', U'篦'}, {U'鯵', U'鰺'},
    {U'砿', U'礦'}, {U'鉱', U'礦'}, {U'駄', U'馱'}, {U'楕', U'橢'}, {U'嶋', U'島'}, {U'冨', U'富'},
    {U'薗', U'園'}, {U'苅', U'刈'}, {U'駈', U'驅'}, {U'穐', U'秋'}, {U'楳', U'梅'}, {U'冴', U'冱'},
    {U'蝋', U'蠟'}, {U'繋', U'繫'}, {U'醤', U'醬'}, {U'掴', U'摑'}, {U'屡', U'屢'}, {U'痩', U'瘦'},
    {U'麺', U'麵'}, {U'噛', U'嚙'}, {U'填', U'塡'}, {U'剥', U'剝'}, {U'頽', U'頹'},
    {U'鴎', U'鷗'}, {U'撹', U'攪'}, {U'祷', U'禱'}, {U'躯', U'軀'}, {U'鹸', U'鹼'}, {U'潜', U'潛'},
};

char32_t TraditionalOfJapaneseForm(char32_t cp) {
  for (const auto& [newForm, traditional] : kJapaneseForms) {
    if (newForm == cp) return traditional;
  }
  return 0;
}

class Decider {
 public:
  Decider(const CodeSets& sets, const Dictionaries& d) : s_(sets), d_(d) {
    for (const auto& [simplified, traditional] : d_.simplifiedToTraditional) {
      for (char32_t form : traditional) simplifiedOf_[form].push_back(simplified);
    }
  }

  // Big5 -> GBK: OpenCC's usual (first) simplified form where GB2312 has it
  // but not the character itself (餘 -> 余, although 馀 is stored as 餘).
  // Else OpenCC's simplified form that GB2312 has, also of the character's
  // standard form where Taiwan writes it otherwise (痺 -> 痹); of several,
  // and of the character itself where GB2312 has it too, the first one
  // stored back as this very code. Else a GB2312 character that is
  // stored as this code (暱 -> 昵), else the character itself (GB2312 or
  // beyond), else a Unihan simplified or variant form.
  Code Shown(Code big5, char32_t cp) {
    const Forms& simplified = FormsOf(d_.traditionalToSimplified, cp);
    // A rarer form stored back as this code does not win over the usual
    // one: 鉅 -> 巨 (not 钜), 瀋 -> 沈, 鏇 -> 旋.
    if (!simplified.empty() && Gb2312(simplified[0]) && !Gb2312(cp)) return s_.gbk.Of(simplified[0]);
    Forms candidates = simplified;
    for (char32_t standard : FormsOf(d_.taiwanToStandard, cp)) {
      candidates.push_back(standard);
      for (char32_t form : FormsOf(d_.traditionalToSimplified, standard)) candidates.push_back(form);
    }
    candidates.insert(candidates.begin() + static_cast<std::ptrdiff_t>(simplified.size()), cp);
    Code first = 0;
    for (char32_t form : candidates) {
      if (!Gb2312(form)) continue;
      if (Stored(form).code == big5) return s_.gbk.Of(form);
      if (first == 0) first = s_.gbk.Of(form);
    }
    if (first != 0) return first;
    for (char32_t form : FormsOf(simplifiedOf_, cp)) {
      if (Gb2312(form) && Stored(form).code == big5) return s_.gbk.Of(form);
    }
    if (s_.gbk.Has(cp)) return s_.gbk.Of(cp);
    for (const Forms* forms : {&FormsOf(d_.unihanSimplified, cp), &FormsOf(d_.unihanZ, cp),
                               &FormsOf(d_.unihanSemantic, cp)}) {
      for (char32_t form : *forms) {
        if (s_.gbk.Has(form)) {
          ++answers_.gbkFromUnihan;
          return s_.gbk.Of(form);
        }
      }
    }
    return kNoCode;
  }

  struct Choice {
    Code code = kNoCode;
    bool fromUnihan = false;
  };

  // GBK -> Big5: OpenCC's traditional form in Taiwan's writing (机 -> 機,
  // 为 -> 為), else the character itself, else OpenCC's other traditional
  // forms, else a Unihan traditional or Z variant form.
  Choice Stored(char32_t cp) {
    if (StoredAsTyped(cp) && s_.big5.Has(cp)) return {s_.big5.Of(cp)};
    const Forms& traditional = FormsOf(d_.simplifiedToTraditional, cp);
    Forms opencc;
    if (!traditional.empty()) AddTaiwanFirst(opencc, traditional[0]);
    AddTaiwanFirst(opencc, cp);
    for (char32_t form : traditional) AddTaiwanFirst(opencc, form);
    if (const Code code = FirstIn(opencc, s_.big5)) return {code};
    // Semantic variants can be other characters (厶 -> 某): a typed character
    // is better refused than stored as one of them.
    Forms unihan;
    for (const FormMap* map : {&d_.unihanTraditional, &d_.unihanZ}) {
      for (char32_t form : FormsOf(*map, cp)) AddTaiwanFirst(unihan, form);
    }
    if (const Code code = FirstIn(unihan, s_.big5)) return {code, true};
    return {};
  }

  // Shift-JIS -> Big5: the same character, else OpenCC's traditional form of
  // the Japanese one (権 -> 權), else a Unihan traditional or variant form.
  Choice Japanese(char32_t cp) {
    if (const auto unified = d_.unified.find(cp); unified != d_.unified.end()) cp = unified->second;
    if (s_.big5.Has(cp)) return {s_.big5.Of(cp)};
    Forms opencc;
    if (const char32_t traditional = TraditionalOfJapaneseForm(cp)) opencc.push_back(traditional);
    for (char32_t taiwan : FormsOf(d_.taiwanForms, cp)) opencc.push_back(taiwan);
    for (char32_t form : FormsOf(d_.japaneseToTraditional, cp)) AddTaiwanFirst(opencc, form);
    for (char32_t form : FormsOf(d_.simplifiedToTraditional, cp)) AddTaiwanFirst(opencc, form);
    if (const Code code = FirstIn(opencc, s_.big5)) return {code};
    Forms unihan;
    for (const FormMap* map : {&d_.unihanTraditional, &d_.unihanZ, &d_.unihanSemantic}) {
      for (char32_t form : FormsOf(*map, cp)) AddTaiwanFirst(unihan, form);
    }
    if (const Code code = FirstIn(unihan, s_.big5)) return {code, true};
    return {};
  }

  Answers Decide() {
    for (const CodeChar& c : s_.big5.codes) answers_.big5ToGbk[c.code] = Shown(c.code, c.cp);
    for (const CodeChar& c : s_.gbk.codes) {
      const Choice choice = Stored(c.cp);
      // Beyond GB2312 only codes with a form of their own in Big5 or through
      // OpenCC get rows; the rest stay unknown, which the editor refuses.
      if (!InGb2312Range(c.code) && (choice.code == kNoCode || choice.fromUnihan)) continue;
      answers_.gbkToBig5[c.code] = choice.code;
      answers_.big5FromUnihan += choice.fromUnihan;
    }
    for (const CodeChar& c : s_.shiftJis.codes) {
      const Choice choice = Japanese(c.cp);
      answers_.shiftJisToBig5[c.code] = choice.code;
      answers_.shiftJisFromUnihan += choice.fromUnihan;
    }
    Reconcile();
    return std::move(answers_);
  }

 private:
  bool Gb2312(char32_t cp) const { return InGb2312Range(s_.gbk.Of(cp)); }

  void AddTaiwanFirst(Forms& forms, char32_t cp) const {
    for (char32_t taiwan : FormsOf(d_.taiwanForms, cp)) forms.push_back(taiwan);
    forms.push_back(cp);
  }

  static Code FirstIn(const Forms& forms, const CodeSet& set) {
    for (char32_t form : forms) {
      if (set.Has(form)) return set.Of(form);
    }
    return 0;
  }

  // A code that the other direction leads to always leads back somewhere: a
  // GBK code that some Big5 code is shown as is stored as that Big5 code
  // when it had no Big5 form of its own, and the other way round.
  void Reconcile() {
    for (const auto& [big5, gbk] : answers_.big5ToGbk) {
      if (gbk == kNoCode) continue;
      auto it = answers_.gbkToBig5.find(gbk);
      if (it == answers_.gbkToBig5.end() || it->second == kNoCode) answers_.gbkToBig5[gbk] = big5;
    }
    for (const auto& [gbk, big5] : answers_.gbkToBig5) {
      if (big5 == kNoCode) continue;
      auto it = answers_.big5ToGbk.find(big5);
      if (it == answers_.big5ToGbk.end() || it->second == kNoCode) answers_.big5ToGbk[big5] = gbk;
    }
  }

  const CodeSets& s_;
  const Dictionaries& d_;
  FormMap simplifiedOf_;  // OpenCC's simplified -> traditional, reversed
  Answers answers_;
};

}  // namespace

Answers DecideAnswers(const CodeSets& sets, const Dictionaries& d) { return Decider(sets, d).Decide(); }

}  // namespace chartable
