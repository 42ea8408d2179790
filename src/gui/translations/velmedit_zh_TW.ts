<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>用法：velmedit [选项] [FILE]
Velmora 武将登录器：编辑新武将登录档 TPERSON.VMR。
不开窗口的命令（各命令的说明：velmedit &lt;命令&gt; --help）：
</source>
        <translation>用法：velmedit [選項] [FILE]
Velmora 武將登錄器：編輯新武將登錄檔 TPERSON.VMR。
不開視窗的命令（各命令的說明：velmedit &lt;命令&gt; --help）：
</translation>
    </message>
    <message>
        <source>  --force 也处理不像新武将档的文件（大于 28604 字节，或很多槽有不可能的值）；
          不加时这样的文件被拒绝，什么也不写。
头像（各命令的说明：velmedit faces &lt;命令&gt; --help）：
</source>
        <translation>  --force 也處理不像新武將檔的檔案（大於 28604 位元組，或很多槽有不可能的值）；
          不加時這樣的檔案被拒絕，什麼也不寫。
頭像（各命令的說明：velmedit faces &lt;命令&gt; --help）：
</translation>
    </message>
    <message>
        <source>只能打开一个文件，却给了 %1 个。</source>
        <translation>只能開啟一個檔案，卻給了 %1 個。</translation>
    </message>
    <message>
        <source>文件名是空的。</source>
        <translation>檔名是空的。</translation>
    </message>
    <message>
        <source>
选项：
  -h, --help     显示本说明后退出。
  -v, --version  显示版本号后退出。
  --lang 语言    界面和消息的语言：zh_CN（简体中文）、zh_TW（繁體中文）或 en（English）。

参数：
  FILE           启动后打开的新武将登录档（TPERSON.VMR）。
</source>
        <translation>
選項：
  -h, --help     顯示本說明後結束。
  -v, --version  顯示版本號後結束。
  --lang 語言    介面和訊息的語言：zh_CN（简体中文）、zh_TW（繁體中文）或 en（English）。

引數：
  FILE           啟動後開啟的新武將登錄檔（TPERSON.VMR）。
</translation>
    </message>
</context>
<context>
    <name>EditorPanel</name>
    <message>
        <source>确认修改</source>
        <translation>確認修改</translation>
    </message>
    <message>
        <source>确认修改（Ctrl+Enter）</source>
        <translation>確認修改（Ctrl+Enter）</translation>
    </message>
    <message>
        <source>提示：&quot;确认修改&quot;之后再选择&quot;保存存档&quot;，方可使修改生效</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>形象</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>头像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>性别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登场年</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>能力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>统率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>武力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>智力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>政治</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>魅力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>声望</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>性格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>物欲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>信念</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>饮酒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关心</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>义理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拥汉</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>战略</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任务</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>人际</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>父亲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>母亲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配偶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>家族</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>兄弟</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>仇敌</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相性</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>势力相性</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人相性</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相同武将</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>传</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>此人日文--&gt;中文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所有武将日文--&gt;中文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特技</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>农业</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>商业</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>技术</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>修改</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>治安</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>征兵</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>训练</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>突击</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>火矢</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一齐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>镇静</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>鼓舞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>奇袭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>隐密</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同讨</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>足止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>引诱</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>混乱</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天文</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>石阵</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回复</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>气合</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>气炎</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>受返</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弹返</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>螺旋</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>威压</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>抗弁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反论</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扬足</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>论破</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挑拨</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>面骂</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>军师</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名士</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提督</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>间谍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>酒豪</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>医者</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>仙人</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>能力全满</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部技能</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>撤销修改</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>界面语言(&amp;L)</source>
        <translation>介面語言(&amp;L)</translation>
    </message>
</context>
<context>
    <name>OfficerListPanel</name>
    <message>
        <source>新武将</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>统率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>武力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>智力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>政治</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>魅力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入一项或多项值以查找武将</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>统</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>武</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>智</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>政</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>魅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查找</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramLanguage</name>
    <message>
        <source>未知的界面语言“%1”：应为 zh_CN、zh_TW 或 en。</source>
        <translation>未知的介面語言「%1」：應為 zh_CN、zh_TW 或 en。</translation>
    </message>
    <message>
        <source>--lang 后缺少语言：应为 zh_CN、zh_TW 或 en。</source>
        <translation>--lang 後缺少語言：應為 zh_CN、zh_TW 或 en。</translation>
    </message>
</context>
<context>
    <name>TForm_Main</name>
    <message>
        <source>Velmora 武将登录器</source>
        <translation>Velmora 武將登錄器</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>最近打开(&amp;L)</source>
        <translation>最近開啟(&amp;L)</translation>
    </message>
    <message>
        <source>设置路径(&amp;D)</source>
        <translation>設定路徑(&amp;D)</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>头像(&amp;P)</source>
        <translation>頭像(&amp;P)</translation>
    </message>
    <message>
        <source>打开新武将档(&amp;O)</source>
        <translation>開啟新武將檔(&amp;O)</translation>
    </message>
    <message>
        <source>重新载入(&amp;R)</source>
        <translation>重新載入(&amp;R)</translation>
    </message>
    <message>
        <source>保存新武将档(&amp;S)</source>
        <translation>儲存新武將檔(&amp;S)</translation>
    </message>
    <message>
        <source>导出武将…</source>
        <translation>匯出武將…</translation>
    </message>
    <message>
        <source>导入武将…</source>
        <translation>匯入武將…</translation>
    </message>
    <message>
        <source>另存为(&amp;A)…</source>
        <translation>另存新檔(&amp;A)…</translation>
    </message>
    <message>
        <source>恢复备份(&amp;B)…</source>
        <translation>還原備份(&amp;B)…</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>选择Velmora安装目录(&amp;I)</source>
        <translation>選擇Velmora安裝目錄(&amp;I)</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>說明(&amp;H)</translation>
    </message>
</context>
<context>
    <name>TForm_Restore</name>
    <message>
        <source>恢复备份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每次保存和导入之前，文件都复制一份在备份文件夹中。选中一份，按“恢复”把它作为要保存的武将表打开；可以撤销，保存后文件即是那一份。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与当前不同的武将</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
