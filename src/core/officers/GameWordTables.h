#pragma once
// The game's vocabulary, one row a word: simplified, traditional, English.
// Read by the field table only (core/officers/OfficerFields.cpp).
#include "core/officers/GameWord.h"

namespace game_words {

inline constexpr GameWord kTypes[] = {
    {"平凡", "平凡", "Ordinary"}, {"猛将", "猛將", "Warrior"},  {"识者", "識者", "Scholar"},
    {"策士", "策士", "Schemer"},  {"将军", "將軍", "General"},  {"万能", "萬能", "All-round"},
};
inline constexpr GameWord kBeliefs[] = {
    {"大志", "大志", "Ambition"},     {"忠义", "忠義", "Loyalty"}, {"临机", "臨機", "Pragmatism"},
    {"功名", "功名", "Glory"},        {"我道", "我道", "Own way"},
};
// The game's text of the first personality ends in a blank.
inline constexpr GameWord kCharacters[] = {
    {"小心 ", "小心 ", "Cautious"}, {"冷静", "冷靜", "Calm"}, {"刚胆", "剛膽", "Bold"}, {"猪突", "豬突", "Reckless"},
};
inline constexpr GameWord kDrinks[] = {
    {"苦手", "苦手", "Poor"}, {"普通", "普通", "Average"}, {"得意", "得意", "Strong"},
};
inline constexpr GameWord kCares[] = {
    {"武艺", "武藝", "Martial arts"}, {"收集", "收集", "Collecting"}, {"读书", "讀書", "Reading"},
};
inline constexpr GameWord kDesires[] = {
    {"无欲", "無欲", "Selfless"}, {"普通", "普通", "Average"}, {"强欲", "強欲", "Greedy"},
};
inline constexpr GameWord kGenders[] = {
    {"男", "男", "Male"}, {"女", "女", "Female"},
};
inline constexpr GameWord kYilis[] = {
    {"很低", "很低", "Very low"}, {"低", "低", "Low"}, {"中", "中", "Medium"},
    {"高", "高", "High"},         {"很高", "很高", "Very high"},
};
inline constexpr GameWord kQiyongs[] = {
    {"能力", "能力", "Ability"}, {"实绩", "實績", "Merit"}, {"名声", "名聲", "Fame"},
    {"义理", "義理", "Duty"},    {"随意", "隨意", "Any"},
};
inline constexpr GameWord kHans[] = {
    {"无视", "無視", "Indifferent"}, {"普通", "普通", "Neutral"}, {"重视", "重視", "Devoted"},
};
inline constexpr GameWord kStratagems[] = {
    {"全国", "全國", "Whole land"}, {"地方", "地方", "Region"}, {"州", "州", "Province"}, {"现状", "現狀", "Status quo"},
};
inline constexpr GameWord kTasks[] = {
    {"认真", "認真", "Earnest"}, {"普通", "普通", "Average"}, {"适当", "適當", "Casual"}, {"无视", "無視", "Neglectful"},
};

// Skills by byte and bit (bit counted from the top bit); empty where the
// game has no box.
inline constexpr GameWord kSkills[6][8] = {
    {{"突击", "突擊", "Charge"}, {"训练", "訓練", "Drill"}, {"征兵", "徵兵", "Conscription"},
     {"治安", "治安", "Public order"}, {"修改", "修改", "Repair"}, {"技术", "技術", "Technology"},
     {"商业", "商業", "Commerce"}, {"农业", "農業", "Agriculture"}},
    {{"足止", "足止", "Halt"}, {"同讨", "同討", "Infighting"}, {"隐密", "隱密", "Stealth"},
     {"奇袭", "奇襲", "Surprise attack"}, {"鼓舞", "鼓舞", "Inspire"}, {"镇静", "鎮靜", "Calm troops"},
     {"一齐", "一齊", "Volley"}, {"火矢", "火矢", "Fire arrows"}},
    {{"气炎", "氣炎", "War cry"}, {"气合", "氣合", "Fighting spirit"}, {"回复", "回復", "Recovery"},
     {"石阵", "石陣", "Stone maze"}, {"地理", "地理", "Terrain"}, {"天文", "天文", "Astronomy"},
     {"混乱", "混亂", "Confuse"}, {"引诱", "引誘", "Lure"}},
    {{"扬足", "揚足", "Nitpick"}, {"反论", "反論", "Rebuttal"}, {"抗弁", "抗辯", "Objection"},
     {"威压", "威壓", "Intimidate"}, {"螺旋", "螺旋", "Spiral attack"}, {"三段", "三段", "Triple volley"},
     {"弹返", "彈返", "Deflect"}, {"受返", "受返", "Parry"}},
    {{"酒豪", "酒豪", "Hard drinker"}, {"间谍", "間諜", "Spy"}, {"提督", "提督", "Admiral"},
     {"名士", "名士", "Notable"}, {"军师", "軍師", "Advisor"}, {"面骂", "面罵", "Insult"},
     {"挑拨", "挑撥", "Provoke"}, {"论破", "論破", "Refute"}},
    {{}, {}, {}, {}, {}, {}, {"仙人", "仙人", "Hermit"}, {"医者", "醫者", "Healer"}},
};

}  // namespace game_words
