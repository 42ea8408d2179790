<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>BackupFolder</name>
    <message>
        <source>无法在备份文件夹 “%1” 中留下保存前的副本：%2；文件未改变</source>
        <translation>無法在備份資料夾「%1」中留下儲存前的副本：%2；檔案未改變</translation>
    </message>
    <message>
        <source>无法建立文件夹</source>
        <translation>無法建立資料夾</translation>
    </message>
</context>
<context>
    <name>ChangeSet</name>
    <message>
        <source>文件头</source>
        <translation>檔頭</translation>
    </message>
    <message>
        <source>%1（字节）</source>
        <translation>%1（位元組）</translation>
    </message>
    <message>
        <source>无</source>
        <translation>無</translation>
    </message>
    <message>
        <source>%1：%2 → %3</source>
        <translation>%1：%2 → %3</translation>
    </message>
    <message>
        <source>%1，%2：%3 → %4</source>
        <translation>%1，%2：%3 → %4</translation>
    </message>
</context>
<context>
    <name>CodePages</name>
    <message>
        <source>比应有的短</source>
        <translation>比應有的短</translation>
    </message>
    <message>
        <source>含有无效的编码对</source>
        <translation>含有無效的編碼對</translation>
    </message>
    <message>
        <source>比应有的长</source>
        <translation>比應有的長</translation>
    </message>
    <message>
        <source>编码表 :/convert/CodePages.bin %1；没有它无法转换文字，程序停止运行</source>
        <translation>編碼表 :/convert/CodePages.bin %1；沒有它無法轉換文字，程式停止執行</translation>
    </message>
    <message>
        <source>找不到编码表 :/convert/CodePages.bin：%1；没有它无法转换文字，程序停止运行</source>
        <translation>找不到編碼表 :/convert/CodePages.bin：%1；沒有它無法轉換文字，程式停止執行</translation>
    </message>
    <message>
        <source>不是本程序的编码表</source>
        <translation>不是本程式的編碼表</translation>
    </message>
</context>
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
    <name>CommandOptions</name>
    <message>
        <source>  --force            文件不像新武将档（大于 28604 字节，或很多槽有不可能的值）时仍然处理；
                     小于 28604 字节的文件总是拒绝。
</source>
        <translation>  --force            檔案不像新武將檔（大於 28604 位元組，或很多槽有不可能的值）時仍然處理；
                     小於 28604 位元組的檔案一律拒絕。
</translation>
    </message>
    <message>
        <source>  -h, --help         显示本说明后退出。
</source>
        <translation>  -h, --help         顯示本說明後結束。
</translation>
    </message>
    <message>
        <source>export TPERSON.VMR 输出.json|输出.csv [--slots 650-659,700] [--text simplified|traditional] [--force]</source>
        <translation>export TPERSON.VMR 輸出.json|輸出.csv [--slots 650-659,700] [--text simplified|traditional] [--force]</translation>
    </message>
    <message>
        <source>把新武将登录档中的武将写成交换文件，JSON 或 CSV 由文件名的结尾决定。

参数：
  TPERSON.VMR        要读取的新武将登录档，不会被改变。
  输出.json|输出.csv  要写出的交换文件；已有的同名文件会被替换。

选项：
  --slots 编号       只导出这些武将：650–759 之间的编号或范围，以逗号分隔，
                     例如 650-659,700；不给时导出全部 110 个槽。
  --text 写法        武将的名字和列传写成简体（simplified，默认）或繁体（traditional，
                     与游戏中所存的字完全相同）；import 两种都能读。
</source>
        <translation>把新武將登錄檔中的武將寫成交換檔，JSON 或 CSV 由檔名的結尾決定。

參數：
  TPERSON.VMR        要讀取的新武將登錄檔，不會被改變。
  輸出.json|輸出.csv  要寫出的交換檔；已有的同名檔案會被取代。

選項：
  --slots 編號       只匯出這些武將：650–759 之間的編號或範圍，以逗號分隔，
                     例如 650-659,700；不指定時匯出全部 110 個槽。
  --text 寫法        武將的名字和列傳寫成簡體（simplified，預設）或繁體（traditional，
                     與遊戲中所存的字完全相同）；import 兩種都能讀。
</translation>
    </message>
    <message>
        <source>import TPERSON.VMR 输入.json|输入.csv [--dry-run] [--encoding utf-8|gbk|big5] [--force]</source>
        <translation>import TPERSON.VMR 輸入.json|輸入.csv [--dry-run] [--encoding utf-8|gbk|big5] [--force]</translation>
    </message>
    <message>
        <source>把交换文件中的武将写入新武将登录档，并列出每一处改变；有任何错误时什么也不写。
保存前把原文件复制为 TPERSON.VMR.bak。

参数：
  TPERSON.VMR        要改变的新武将登录档。
  输入.json|输入.csv  交换文件，export 写出的格式；可以只含部分武将、部分字段。

选项：
  --dry-run          只列出会有的改变，不写任何文件。
  --encoding 编码    交换文件的编码：utf-8、gbk 或 big5；不给时自动判断。
</source>
        <translation>把交換檔中的武將寫入新武將登錄檔，並列出每一處改變；有任何錯誤時什麼也不寫。
儲存前把原檔案複製為 TPERSON.VMR.bak。

參數：
  TPERSON.VMR        要改變的新武將登錄檔。
  輸入.json|輸入.csv  交換檔，export 寫出的格式；可以只含部分武將、部分欄位。

選項：
  --dry-run          只列出會有的改變，不寫入任何檔案。
  --encoding 編碼    交換檔的編碼：utf-8、gbk 或 big5；不指定時自動判斷。
</translation>
    </message>
    <message>
        <source>check TPERSON.VMR [--json] [--game 安装目录] [--force]</source>
        <translation>check TPERSON.VMR [--json] [--game 安裝目錄] [--force]</translation>
    </message>
    <message>
        <source>检查新武将登录档：列出不可能的值，以及值得一看的地方（提醒），例如同名的武将。
没有发现问题时退出码为 0，发现问题时为 1。

参数：
  TPERSON.VMR        要检查的新武将登录档，不会被改变。

选项：
  --json             以 JSON 写出报告。
  --game 安装目录    Velmora 的安装目录，用来检查头像；不给时从注册表中找。
</source>
        <translation>檢查新武將登錄檔：列出不可能的值，以及值得一看的地方（提醒），例如同名的武將。
沒有發現問題時結束代碼為 0，發現問題時為 1。

參數：
  TPERSON.VMR        要檢查的新武將登錄檔，不會被改變。

選項：
  --json             以 JSON 寫出報告。
  --game 安裝目錄    Velmora 的安裝目錄，用來檢查頭像；不指定時從登錄檔中尋找。
</translation>
    </message>
    <message>
        <source>逐个槽列出两个新武将登录档中不同的字段（从 A 到 B）。
相同时退出码为 0，不同时为 1。

参数：
  A.VMR B.VMR        要比较的两个新武将登录档，都不会被改变。

选项：
</source>
        <translation>逐個槽列出兩個新武將登錄檔中不同的欄位（從 A 到 B）。
相同時結束代碼為 0，不同時為 1。

參數：
  A.VMR B.VMR        要比較的兩個新武將登錄檔，都不會被改變。

選項：
</translation>
    </message>
    <message>
        <source>选项 %1 不带值</source>
        <translation>選項 %1 不帶值</translation>
    </message>
    <message>
        <source>选项 %1 缺少值</source>
        <translation>選項 %1 缺少值</translation>
    </message>
    <message>
        <source>用法：velmedit %1</source>
        <translation>用法：velmedit %1</translation>
    </message>
    <message>
        <source>未知选项 %1</source>
        <translation>未知的選項 %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>命令行有误：%1</source>
        <translation>命令列有誤：%1</translation>
    </message>
    <message>
        <source>需要 %1 个文件，却给了 %2 个</source>
        <translation>需要 %1 個檔案，卻給了 %2 個</translation>
    </message>
</context>
<context>
    <name>ConsistencyCheck</name>
    <message>
        <source>%1，%2（提醒）：%3</source>
        <translation>%1，%2（提醒）：%3</translation>
    </message>
    <message>
        <source>%1，%2：%3</source>
        <translation>%1，%2：%3</translation>
    </message>
</context>
<context>
    <name>CsvExchange</name>
    <message>
        <source>引号用法不对：格中的引号应写成两个（&quot;&quot;），带引号的格在结束的引号后应紧跟分隔符或换行</source>
        <translation>引號用法不對：儲存格中的引號應寫成兩個（&quot;&quot;），帶引號的儲存格在結束的引號後應緊接分隔符號或換行</translation>
    </message>
    <message>
        <source>格太大，无法读取</source>
        <translation>儲存格太大，無法讀取</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>記憶體不足</translation>
    </message>
    <message>
        <source>这一行有 %1 格，武将交换文件最多 %2 列</source>
        <translation>這一行有 %1 格，武將交換檔最多 %2 欄</translation>
    </message>
    <message>
        <source>行太多：新武将档只有 110 个槽，文件却超过 110 行武将</source>
        <translation>行數太多：新武將檔只有 110 個槽，檔案卻超過 110 行武將</translation>
    </message>
    <message>
        <source>引号没有结束：带引号的格到文件末尾还没有结束的引号</source>
        <translation>引號沒有結束：帶引號的儲存格到檔案結尾還沒有結束的引號</translation>
    </message>
    <message>
        <source>第 %1 列没有列名（可能是表格程序加的行号列）</source>
        <translation>第 %1 欄沒有欄名（可能是試算表程式加上的行號欄）</translation>
    </message>
    <message>
        <source>未知的列名“%1”（列名是导出的文件第一行的英文名）</source>
        <translation>未知的欄名「%1」（欄名是匯出檔案第一行的英文名稱）</translation>
    </message>
    <message>
        <source>这一列出现了不止一次</source>
        <translation>這一欄出現了不只一次</translation>
    </message>
    <message>
        <source>原始数据应为以空格分开的 键=十六进制</source>
        <translation>原始資料應為以空格分開的 鍵=十六進位</translation>
    </message>
    <message>
        <source>文件头与前面的行不同</source>
        <translation>檔頭與前面的行不同</translation>
    </message>
    <message>
        <source>这一行有 %1 列，表头有 %2 列</source>
        <translation>這一行有 %1 欄，標題列有 %2 欄</translation>
    </message>
    <message>
        <source>format 应为 “%1”：“%2”</source>
        <translation>format 應為「%1」：「%2」</translation>
    </message>
    <message>
        <source>以分号分隔</source>
        <translation>以分號分隔</translation>
    </message>
    <message>
        <source>以制表符分隔</source>
        <translation>以定位字元分隔</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>檔案是空的</translation>
    </message>
    <message>
        <source>不是 velmedit 的武将交换文件：第一行应为列名，其中有 format 和 version</source>
        <translation>不是 velmedit 的武將交換檔：第一行應為欄名，其中有 format 和 version</translation>
    </message>
    <message>
        <source>文件中没有武将</source>
        <translation>檔案中沒有武將</translation>
    </message>
</context>
<context>
    <name>DialogSeam</name>
    <message>
        <source>Velmora 武将登录器</source>
        <translation>Velmora 武將登錄器</translation>
    </message>
</context>
<context>
    <name>DocumentExchange</name>
    <message>
        <source>导入 %1（%2 处）</source>
        <translation>匯入 %1（%2 處）</translation>
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
        <translation>提示：「確認修改」之後再選「儲存存檔」，修改才會生效</translation>
    </message>
    <message>
        <source>形象</source>
        <translation>形象</translation>
    </message>
    <message>
        <source>头像</source>
        <translation>頭像</translation>
    </message>
    <message>
        <source>性别</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>年份</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation>誕生年</translation>
    </message>
    <message>
        <source>登场年</source>
        <translation>登場年</translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation>死亡年</translation>
    </message>
    <message>
        <source>能力</source>
        <translation>能力</translation>
    </message>
    <message>
        <source>统率</source>
        <translation>統率</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>武力</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>智力</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>政治</translation>
    </message>
    <message>
        <source>魅力</source>
        <translation>魅力</translation>
    </message>
    <message>
        <source>声望</source>
        <translation>聲望</translation>
    </message>
    <message>
        <source>性格</source>
        <translation>性格</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>物欲</source>
        <translation>物慾</translation>
    </message>
    <message>
        <source>信念</source>
        <translation>信念</translation>
    </message>
    <message>
        <source>饮酒</source>
        <translation>飲酒</translation>
    </message>
    <message>
        <source>关心</source>
        <translation>關心</translation>
    </message>
    <message>
        <source>义理</source>
        <translation>義理</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>拥汉</source>
        <translation>擁漢</translation>
    </message>
    <message>
        <source>战略</source>
        <translation>戰略</translation>
    </message>
    <message>
        <source>任务</source>
        <translation>任務</translation>
    </message>
    <message>
        <source>人际</source>
        <translation>人際</translation>
    </message>
    <message>
        <source>父亲</source>
        <translation>父親</translation>
    </message>
    <message>
        <source>母亲</source>
        <translation>母親</translation>
    </message>
    <message>
        <source>配偶</source>
        <translation>配偶</translation>
    </message>
    <message>
        <source>家族</source>
        <translation>家族</translation>
    </message>
    <message>
        <source>兄弟</source>
        <translation>兄弟</translation>
    </message>
    <message>
        <source>仇敌</source>
        <translation>仇敵</translation>
    </message>
    <message>
        <source>相性</source>
        <translation>相性</translation>
    </message>
    <message>
        <source>势力相性</source>
        <translation>勢力相性</translation>
    </message>
    <message>
        <source>个人相性</source>
        <translation>個人相性</translation>
    </message>
    <message>
        <source>相同武将</source>
        <translation>相同武將</translation>
    </message>
    <message>
        <source>个人</source>
        <translation>個人</translation>
    </message>
    <message>
        <source>姓</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>名</source>
        <translation>名</translation>
    </message>
    <message>
        <source>字</source>
        <translation>字</translation>
    </message>
    <message>
        <source>读音</source>
        <translation>讀音</translation>
    </message>
    <message>
        <source>列</source>
        <translation>列</translation>
    </message>
    <message>
        <source>传</source>
        <translation>傳</translation>
    </message>
    <message>
        <source>此人日文--&gt;中文</source>
        <translation>此人日文--&gt;中文</translation>
    </message>
    <message>
        <source>所有武将日文--&gt;中文</source>
        <translation>所有武將日文--&gt;中文</translation>
    </message>
    <message>
        <source>特技</source>
        <translation>特技</translation>
    </message>
    <message>
        <source>能力全满</source>
        <translation>能力全滿</translation>
    </message>
    <message>
        <source>全部技能</source>
        <translation>全部技能</translation>
    </message>
    <message>
        <source>撤销修改</source>
        <translation>復原修改</translation>
    </message>
    <message>
        <source>已确认；请留意：</source>
        <translation>已確認；請留意：</translation>
    </message>
    <message>
        <source>游戏中显示为：%1</source>
        <translation>遊戲中顯示為：%1</translation>
    </message>
    <message>
        <source>已将%1名武将的日文转换为中文，%2名武将已是中文。</source>
        <translation>已將%1名武將的日文轉換為中文，%2名武將已是中文。</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>武将交换文件 (*.json *.csv);;JSON (*.json);;CSV (*.csv)</source>
        <translation>武將交換檔 (*.json *.csv);;JSON (*.json);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>请先打开新武将登陆文件！</source>
        <translation>請先開啟新武將登錄檔！</translation>
    </message>
    <message>
        <source>文件名应以 .json 或 .csv 结尾</source>
        <translation>檔名應以 .json 或 .csv 結尾</translation>
    </message>
    <message>
        <source>未导入，有 %1 处错误，没有任何改变：
</source>
        <translation>未匯入，有 %1 處錯誤，沒有任何變更：
</translation>
    </message>
    <message>
        <source>不能确定文件的编码：按 UTF-8 或按 GBK 读取都像武将的文字。
用记事本“ANSI”或中文表格程序默认方式保存的文件是 GBK，另存为“UTF-8”的是 UTF-8。按哪种编码读取？</source>
        <translation>無法確定檔案的編碼：以 UTF-8 或以 GBK 讀取都像武將的文字。
用記事本「ANSI」或中文試算表程式預設方式儲存的檔案是 GBK，另存為「UTF-8」的是 UTF-8。要以哪種編碼讀取？</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>按 %1 编码读取（已确认）</source>
        <translation>以 %1 編碼讀取（已確認）</translation>
    </message>
    <message>
        <source>导出全部 %1 位武将，还是只导出列表中的 %2 位？</source>
        <translation>匯出全部 %1 位武將，還是只匯出清單中的 %2 位？</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>只导出列表中的</source>
        <translation>只匯出清單中的</translation>
    </message>
    <message>
        <source>已导出 %1 位武将</source>
        <translation>已匯出 %1 位武將</translation>
    </message>
    <message>
        <source>没有要改变的内容</source>
        <translation>沒有要變更的內容</translation>
    </message>
</context>
<context>
    <name>ExchangeDocument</name>
    <message>
        <source>第 %1 行</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>第 %1 列</source>
        <translation>第 %1 欄</translation>
    </message>
    <message>
        <source>第 %1 个字符</source>
        <translation>第 %1 個字元</translation>
    </message>
    <message>
        <source>，</source>
        <translation>，</translation>
    </message>
    <message>
        <source>编号 %1</source>
        <translation>編號 %1</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>还有 %1 处错误</source>
        <translation>還有 %1 處錯誤</translation>
    </message>
    <message>
        <source>（找到 %1 处错误后不再往下检查）</source>
        <translation>（找到 %1 處錯誤後不再往下檢查）</translation>
    </message>
</context>
<context>
    <name>ExchangeFields</name>
    <message>
        <source>文字中不能有零字符</source>
        <translation>文字中不能有零字元</translation>
    </message>
    <message>
        <source>不是一个整数：“%1”</source>
        <translation>不是整數：「%1」</translation>
    </message>
    <message>
        <source>编号与项目不符：“%1”；可选：%2</source>
        <translation>編號與項目不符：「%1」；可選：%2</translation>
    </message>
    <message>
        <source>不是可选的项目：“%1”；可选：%2</source>
        <translation>不是可選的項目：「%1」；可選：%2</translation>
    </message>
    <message>
        <source>人物编号 %1 是%2，不是%3</source>
        <translation>人物編號 %1 是%2，不是%3</translation>
    </message>
    <message>
        <source>名叫%1的人物不止一位，请写编号</source>
        <translation>名叫%1的人物不只一位，請寫編號</translation>
    </message>
    <message>
        <source>人物表中没有%1（新武将请写编号 650–759）</source>
        <translation>人物表中沒有%1（新武將請寫編號 650–759）</translation>
    </message>
    <message>
        <source>没有这个特技：%1</source>
        <translation>沒有這個特技：%1</translation>
    </message>
</context>
<context>
    <name>ExchangeFile</name>
    <message>
        <source>文件不是 %1 文本（请以 UTF-8 保存，或用 --encoding 指定编码）</source>
        <translation>檔案不是 %1 文字（請以 UTF-8 儲存，或用 --encoding 指定編碼）</translation>
    </message>
    <message>
        <source>文件以 UTF-16 的字节顺序标记开头，内容却不是 UTF-16</source>
        <translation>檔案以 UTF-16 的位元組順序標記開頭，內容卻不是 UTF-16</translation>
    </message>
    <message>
        <source>按 UTF-16 编码读取</source>
        <translation>以 UTF-16 編碼讀取</translation>
    </message>
    <message>
        <source>按 %1 编码读取</source>
        <translation>以 %1 編碼讀取</translation>
    </message>
    <message>
        <source>按 UTF-8 编码读取；按 GBK 读取也像武将的文字（--encoding gbk 可改为 GBK）</source>
        <translation>以 UTF-8 編碼讀取；以 GBK 讀取也像武將的文字（--encoding gbk 可改為 GBK）</translation>
    </message>
    <message>
        <source>按 GBK 编码读取</source>
        <translation>以 GBK 編碼讀取</translation>
    </message>
    <message>
        <source>文件既不是 UTF-8 也不是 GBK 文本（请以 UTF-8 保存）</source>
        <translation>檔案既不是 UTF-8 也不是 GBK 文字（請以 UTF-8 儲存）</translation>
    </message>
    <message>
        <source>太大（%1 字节）；导出的文件不超过 %2 MB</source>
        <translation>太大（%1 位元組）；匯出的檔案不超過 %2 MB</translation>
    </message>
    <message>
        <source>slot 应为 0–109 的整数：“%1”</source>
        <translation>slot 應為 0–109 的整數：「%1」</translation>
    </message>
    <message>
        <source>number 应为 650–759 的整数：“%1”</source>
        <translation>number 應為 650–759 的整數：「%1」</translation>
    </message>
    <message>
        <source>slot %1 与 number %2 不是同一位武将</source>
        <translation>slot %1 與 number %2 不是同一位武將</translation>
    </message>
    <message>
        <source>缺少 slot 或 number</source>
        <translation>缺少 slot 或 number</translation>
    </message>
    <message>
        <source>version 应为正整数</source>
        <translation>version 應為正整數</translation>
    </message>
    <message>
        <source>文件的版本 %1 比本程序能读的版本 %2 新</source>
        <translation>檔案的版本 %1 比本程式能讀的版本 %2 新</translation>
    </message>
    <message>
        <source>文件%1</source>
        <translation>檔案%1</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>檔案是空的</translation>
    </message>
    <message>
        <source>文件 %1 %2</source>
        <translation>檔案 %1 %2</translation>
    </message>
    <message>
        <source>无法打开文件 %1：%2</source>
        <translation>無法開啟檔案 %1：%2</translation>
    </message>
    <message>
        <source>无法写入文件 “%1”：%2</source>
        <translation>無法寫入檔案「%1」：%2</translation>
    </message>
</context>
<context>
    <name>ExchangeImport</name>
    <message>
        <source>重复的原始数据</source>
        <translation>重複的原始資料</translation>
    </message>
    <message>
        <source>未知的原始数据</source>
        <translation>未知的原始資料</translation>
    </message>
    <message>
        <source>不是十六进制数据</source>
        <translation>不是十六進位資料</translation>
    </message>
    <message>
        <source>长度不对：%1 字节，应为 %2 字节</source>
        <translation>長度不對：%1 位元組，應為 %2 位元組</translation>
    </message>
    <message>
        <source>未知的字段</source>
        <translation>未知的欄位</translation>
    </message>
    <message>
        <source>人物编号 %1 是%2，不是%3</source>
        <translation>人物編號 %1 是%2，不是%3</translation>
    </message>
    <message>
        <source>文件头应为 4 字节的十六进制数据</source>
        <translation>檔頭應為 4 位元組的十六進位資料</translation>
    </message>
    <message>
        <source>槽号应在 0–109 之间</source>
        <translation>槽號應在 0–109 之間</translation>
    </message>
    <message>
        <source>这位武将在文件中出现了不止一次</source>
        <translation>這位武將在檔案中出現了不只一次</translation>
    </message>
</context>
<context>
    <name>FaceCommandText</name>
    <message>
        <source>  --game 安装目录    Velmora 的安装目录（含 grp 文件夹）；不给时用编辑器所用的目录。
</source>
        <translation>  --game 安裝目錄    Velmora 的安裝目錄（含 grp 資料夾）；不指定時用編輯器所用的目錄。
</translation>
    </message>
    <message>
        <source>  -h, --help         显示本说明后退出。
</source>
        <translation>  -h, --help         顯示本說明後結束。
</translation>
    </message>
    <message>
        <source>export [--game 安装目录] --out 文件夹 [--faces 0-99,131,2000-2002]</source>
        <translation>export [--game 安裝目錄] --out 資料夾 [--faces 0-99,131,2000-2002]</translation>
    </message>
    <message>
        <source>把头像写成 PNG 图片，每个头像一个文件，以四位数的头像编号命名（0131.png、2000.png）：
64 × 80，256 色，用头像自己的调色板，与头像档中的像素完全相同。

选项：
  --out 文件夹       写入图片的文件夹，没有时建立；同名图片会被替换。
  --faces 编号       只写这些头像：编号或范围，以逗号分隔；范围跳过不存在的编号，
                     单个不存在的编号会被拒绝。不给时写全部头像。
</source>
        <translation>把頭像寫成 PNG 圖片，每個頭像一個檔案，以四位數的頭像編號命名（0131.png、2000.png）：
64 × 80，256 色，用頭像自己的調色盤，與頭像檔中的像素完全相同。

選項：
  --out 資料夾       寫入圖片的資料夾，不存在時建立；同名圖片會被取代。
  --faces 編號       只寫這些頭像：編號或範圍，以逗號分隔；範圍略過不存在的編號，
                     單個不存在的編號會被拒絕。不指定時寫全部頭像。
</translation>
    </message>
    <message>
        <source>sheet [--game 安装目录] --out 总览图.png [--faces 编号] [--columns 20]</source>
        <translation>sheet [--game 安裝目錄] --out 總覽圖.png [--faces 編號] [--columns 20]</translation>
    </message>
    <message>
        <source>把头像按编号顺序排成一张 PNG 总览图，原大小，每个头像下面写着它的编号。

选项：
  --out 总览图.png   要写出的图片。
  --faces 编号       只排这些头像（写法同 export）；不给时排全部头像。
  --columns 数目     每行的头像数，1–200，默认 20。
</source>
        <translation>把頭像按編號順序排成一張 PNG 總覽圖，原大小，每個頭像下面寫著它的編號。

選項：
  --out 總覽圖.png   要寫出的圖片。
  --faces 編號       只排這些頭像（寫法同 export）；不指定時排全部頭像。
  --columns 數目     每行的頭像數，1–200，預設 20。
</translation>
    </message>
    <message>
        <source>import [--game 安装目录] --face 编号 图片 [--fit crop|pad] [--palette new|keep] [--dry-run] [--preview 预览.png]
  velmedit faces import [--game 安装目录] --from 文件夹 [--fit crop|pad] [--palette new|keep] [--dry-run]</source>
        <translation>import [--game 安裝目錄] --face 編號 圖片 [--fit crop|pad] [--palette new|keep] [--dry-run] [--preview 預覽.png]
  velmedit faces import [--game 安裝目錄] --from 資料夾 [--fit crop|pad] [--palette new|keep] [--dry-run]</translation>
    </message>
    <message>
        <source>把图片（PNG、JPEG、BMP 或 GIF）做成头像，直接写入游戏的头像档，只改变这个头像的 6144 字节。
第一次替换前把头像档复制为 grpfaces.vmr.bak / grpaface.vmr.bak；已有的备份不会被覆盖。
64 × 80 的图片不缩放：export 写出的 256 色图片原样写回。

选项：
  --face 编号        要替换的头像。
  --from 文件夹      写入文件夹中所有 NNNN.png（如 0131.png），每个头像档只替换一次。
  --fit crop|pad     crop（默认）：放大到盖满 64 × 80 后裁去两边；pad：整张放进去，
                     空出的地方填图片边缘的颜色。
  --palette new|keep new（默认）：为图片选出最好的 256 色；keep：用头像原来的调色板。
  --dry-run          只检查、不写入。
  --preview 预览.png 把做成的 64 × 80 头像另存为 PNG。
</source>
        <translation>把圖片（PNG、JPEG、BMP 或 GIF）做成頭像，直接寫入遊戲的頭像檔，只改變這個頭像的 6144 位元組。
第一次取代前把頭像檔複製為 grpfaces.vmr.bak / grpaface.vmr.bak；已有的備份不會被覆寫。
64 × 80 的圖片不縮放：export 寫出的 256 色圖片原樣寫回。

選項：
  --face 編號        要取代的頭像。
  --from 資料夾      寫入資料夾中所有 NNNN.png（如 0131.png），每個頭像檔只取代一次。
  --fit crop|pad     crop（預設）：放大到蓋滿 64 × 80 後裁去兩邊；pad：整張放進去，
                     空出的地方填圖片邊緣的顏色。
  --palette new|keep new（預設）：為圖片選出最好的 256 色；keep：用頭像原來的調色盤。
  --dry-run          只檢查、不寫入。
  --preview 預覽.png 把做成的 64 × 80 頭像另存為 PNG。
</translation>
    </message>
    <message>
        <source>restore [--game 安装目录] --face 编号</source>
        <translation>restore [--game 安裝目錄] --face 編號</translation>
    </message>
    <message>
        <source>从备份 grpfaces.vmr.bak / grpaface.vmr.bak 取回头像原来的样子。

选项：
  --face 编号        要取回的头像；可以是以逗号分隔的编号或范围。
</source>
        <translation>從備份 grpfaces.vmr.bak / grpaface.vmr.bak 取回頭像原來的樣子。

選項：
  --face 編號        要取回的頭像；可以是以逗號分隔的編號或範圍。
</translation>
    </message>
    <message>
        <source>用法：velmedit faces %1</source>
        <translation>用法：velmedit faces %1</translation>
    </message>
    <message>
        <source>用法：
</source>
        <translation>用法：
</translation>
    </message>
    <message>
        <source>每个命令的说明：velmedit faces 命令 --help
</source>
        <translation>每個指令的說明：velmedit faces 指令 --help
</translation>
    </message>
</context>
<context>
    <name>FaceCommands</name>
    <message>
        <source>没有给出 --game，也找不到游戏的安装目录</source>
        <translation>沒有指定 --game，也找不到遊戲的安裝目錄</translation>
    </message>
    <message>
        <source>安装目录 %1 不是一个文件夹</source>
        <translation>安裝目錄 %1 不是資料夾</translation>
    </message>
    <message>
        <source>缺少选项 --%1</source>
        <translation>缺少選項 --%1</translation>
    </message>
    <message>
        <source>头像档原样备份为 %1</source>
        <translation>頭像檔原樣備份為 %1</translation>
    </message>
    <message>
        <source>导出头像</source>
        <translation>匯出頭像</translation>
    </message>
    <message>
        <source>已导出 %1 个头像到 %2</source>
        <translation>已匯出 %1 個頭像到 %2</translation>
    </message>
    <message>
        <source>--columns 应为 1 至 200 的整数</source>
        <translation>--columns 應為 1 至 200 的整數</translation>
    </message>
    <message>
        <source>排列头像</source>
        <translation>排列頭像</translation>
    </message>
    <message>
        <source>头像总览图 %1：%2 个头像，每行 %3 个，%4 × %5 像素</source>
        <translation>頭像總覽圖 %1：%2 個頭像，每行 %3 個，%4 × %5 像素</translation>
    </message>
    <message>
        <source>--face 只能给一个头像编号</source>
        <translation>--face 只能指定一個頭像編號</translation>
    </message>
    <message>
        <source>--fit 只能是 crop 或 pad</source>
        <translation>--fit 只能是 crop 或 pad</translation>
    </message>
    <message>
        <source>--palette 只能是 new 或 keep</source>
        <translation>--palette 只能是 new 或 keep</translation>
    </message>
    <message>
        <source>找不到文件夹 %1</source>
        <translation>找不到資料夾 %1</translation>
    </message>
    <message>
        <source>文件夹 %1 中没有 NNNN.png 头像图片</source>
        <translation>資料夾 %1 中沒有 NNNN.png 頭像圖片</translation>
    </message>
    <message>
        <source>请给出 --face 编号 和图片，或 --from 文件夹</source>
        <translation>請指定 --face 編號 和圖片，或 --from 資料夾</translation>
    </message>
    <message>
        <source>用 --from 时不再给图片文件</source>
        <translation>用 --from 時不再指定圖片檔</translation>
    </message>
    <message>
        <source>需要 1 个图片文件</source>
        <translation>需要 1 個圖片檔</translation>
    </message>
    <message>
        <source>--preview 只能与 --face 一起用</source>
        <translation>--preview 只能與 --face 一起使用</translation>
    </message>
    <message>
        <source>预览写入 %1</source>
        <translation>預覽寫入 %1</translation>
    </message>
    <message>
        <source>试运行：%1 个头像可以替换，未写入任何文件</source>
        <translation>試執行：%1 個頭像可以取代，未寫入任何檔案</translation>
    </message>
    <message>
        <source>头像与头像档中的相同，头像档未改变</source>
        <translation>頭像與頭像檔中的相同，頭像檔未改變</translation>
    </message>
    <message>
        <source>头像 %1 已替换</source>
        <translation>頭像 %1 已取代</translation>
    </message>
    <message>
        <source>已替换 %1 个头像（共 %2 个图片）</source>
        <translation>已取代 %1 個頭像（共 %2 張圖片）</translation>
    </message>
    <message>
        <source>已从备份取回 %1 个头像（其余的与备份相同）</source>
        <translation>已從備份取回 %1 個頭像（其餘的與備份相同）</translation>
    </message>
    <message>
        <source>已从备份取回 %1 个头像</source>
        <translation>已從備份取回 %1 個頭像</translation>
    </message>
    <message>
        <source>缺少命令</source>
        <translation>缺少指令</translation>
    </message>
    <message>
        <source>未知命令 %1</source>
        <translation>未知的指令 %1</translation>
    </message>
</context>
<context>
    <name>FaceMenu</name>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG 圖片 (*.png)</translation>
    </message>
    <message>
        <source>图片 (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>圖片 (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>导出此头像…</source>
        <translation>匯出此頭像…</translation>
    </message>
    <message>
        <source>替换此头像…</source>
        <translation>取代此頭像…</translation>
    </message>
    <message>
        <source>恢复原头像</source>
        <translation>還原原頭像</translation>
    </message>
    <message>
        <source>导出全部头像…</source>
        <translation>匯出全部頭像…</translation>
    </message>
    <message>
        <source>头像总览图…</source>
        <translation>頭像總覽圖…</translation>
    </message>
    <message>
        <source>头像档原样备份为 %1</source>
        <translation>頭像檔原樣備份為 %1</translation>
    </message>
    <message>
        <source>头像 %1 与备份中的相同，无需恢复</source>
        <translation>頭像 %1 與備份中的相同，不必還原</translation>
    </message>
    <message>
        <source>导出全部头像到文件夹</source>
        <translation>匯出全部頭像到資料夾</translation>
    </message>
    <message>
        <source>导出头像…</source>
        <translation>匯出頭像…</translation>
    </message>
    <message>
        <source>已导出 %1 个头像到 %2</source>
        <translation>已匯出 %1 個頭像到 %2</translation>
    </message>
    <message>
        <source>头像总览.png</source>
        <translation>頭像總覽.png</translation>
    </message>
    <message>
        <source>排列头像…</source>
        <translation>排列頭像…</translation>
    </message>
    <message>
        <source>头像总览图 %1：
%2 个头像，每行 %3 个，%4 × %5 像素</source>
        <translation>頭像總覽圖 %1：
%2 個頭像，每列 %3 個，%4 × %5 像素</translation>
    </message>
</context>
<context>
    <name>FaceReplaceDialog</name>
    <message>
        <source>替换头像</source>
        <translation>替換頭像</translation>
    </message>
    <message>
        <source>现在的头像</source>
        <translation>目前的頭像</translation>
    </message>
    <message>
        <source>新头像</source>
        <translation>新頭像</translation>
    </message>
    <message>
        <source>图片大小</source>
        <translation>圖片大小</translation>
    </message>
    <message>
        <source>裁切填满</source>
        <translation>裁切填滿</translation>
    </message>
    <message>
        <source>完整放入</source>
        <translation>完整放入</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>新调色板</source>
        <translation>新調色盤</translation>
    </message>
    <message>
        <source>沿用原调色板</source>
        <translation>沿用原調色盤</translation>
    </message>
    <message>
        <source>本档中使用此头像的武将：</source>
        <translation>本檔中使用此頭像的武將：</translation>
    </message>
    <message>
        <source>游戏自带的武将也使用此头像。</source>
        <translation>遊戲內建的武將也使用此頭像。</translation>
    </message>
    <message>
        <source>按“替换”后头像档立即改变；用“恢复原头像”可以取回原来的头像。</source>
        <translation>按「替換」後頭像檔立即變更；用「還原原頭像」可以取回原來的頭像。</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>替換</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>替换头像 %1</source>
        <translation>替換頭像 %1</translation>
    </message>
    <message>
        <source>本档中没有武将使用此头像。</source>
        <translation>本檔中沒有武將使用此頭像。</translation>
    </message>
</context>
<context>
    <name>FaceSelection</name>
    <message>
        <source>头像 %1 不存在：追加头像档只有 %2 个头像（%3–%4）</source>
        <translation>頭像 %1 不存在：追加頭像檔只有 %2 個頭像（%3–%4）</translation>
    </message>
    <message>
        <source>头像 %1 不存在：1594 至 1999 号不是头像</source>
        <translation>頭像 %1 不存在：1594 至 1999 號不是頭像</translation>
    </message>
    <message>
        <source>头像 %1 不存在：游戏没有这个编号的头像</source>
        <translation>頭像 %1 不存在：遊戲沒有這個編號的頭像</translation>
    </message>
    <message>
        <source>头像编号“%1”看不懂：应为数字或范围，如 0-99,131,2000-2002</source>
        <translation>看不懂頭像編號「%1」：應為數字或範圍，如 0-99,131,2000-2002</translation>
    </message>
    <message>
        <source>头像范围“%1”看不懂：应为 起-止，如 2000-2002</source>
        <translation>看不懂頭像範圍「%1」：應為 起-迄，如 2000-2002</translation>
    </message>
    <message>
        <source>头像范围“%1”中没有头像</source>
        <translation>頭像範圍「%1」中沒有頭像</translation>
    </message>
</context>
<context>
    <name>FieldDescriptions</name>
    <message>
        <source>可填 0–%1</source>
        <translation>可填 0–%1</translation>
    </message>
    <message>
        <source>；常见值不超过 %1，超过 %1 游戏中少见（检查时提醒）</source>
        <translation>；常見值不超過 %1，超過 %1 在遊戲中少見（檢查時提醒）</translation>
    </message>
    <message>
        <source>
主头像档的编号为 0–%1（中间有空缺），追加头像从 %2 起；头像档中没有的编号，检查时提醒
头像选择窗口中的“头像最大编号”决定窗口列出到哪个编号为止</source>
        <translation>
主頭像檔的編號為 0–%1（中間有空缺），追加頭像從 %2 起；頭像檔中沒有的編號，檢查時提醒
頭像選擇視窗中的「頭像最大編號」決定視窗列出到哪個編號為止</translation>
    </message>
    <message>
        <source>名单中的武将编号 0–%1，或“无”；%2–%3 是本档的新武将
指向此人自己或空的槽时，检查会提醒</source>
        <translation>名單中的武將編號 0–%1，或「無」；%2–%3 是本檔的新武將
指向此人自己或空的槽時，檢查會提醒</translation>
    </message>
    <message>
        <source>最多 %1 字节（%2 个汉字或 %1 个字母）；按字节原样保存，不做繁简转换</source>
        <translation>最多 %1 位元組（%2 個漢字或 %1 個字母）；按位元組原樣儲存，不做繁簡轉換</translation>
    </message>
    <message>
        <source>最多 %1 字节（%2 个汉字）</source>
        <translation>最多 %1 位元組（%2 個漢字）</translation>
    </message>
    <message>
        <source>，换行占 %1 字节</source>
        <translation>，換行佔 %1 位元組</translation>
    </message>
    <message>
        <source>；显示为简体，以繁体（Big5）保存</source>
        <translation>；以繁體（Big5）儲存</translation>
    </message>
    <message>
        <source>可选：%1</source>
        <translation>可選：%1</translation>
    </message>
    <message>
        <source>特技：%1
%2</source>
        <translation>特技：%1
%2</translation>
    </message>
</context>
<context>
    <name>FileDoubt</name>
    <message>
        <source>%1 的大小为 %2 字节，不是 28604 字节</source>
        <translation>%1 的大小為 %2 位元組，不是 28604 位元組</translation>
    </message>
    <message>
        <source>文件看起来不是武将登录档（%1 处不可能的值）</source>
        <translation>檔案看起來不是武將登錄檔（%1 處不可能的值）</translation>
    </message>
</context>
<context>
    <name>GameFaces</name>
    <message>
        <source>；头像档未改变</source>
        <translation>；頭像檔未改變</translation>
    </message>
    <message>
        <source>（游戏正在运行时头像档被占用，请先关闭游戏）</source>
        <translation>（遊戲執行時頭像檔被佔用，請先關閉遊戲）</translation>
    </message>
    <message>
        <source>找不到头像档 %1</source>
        <translation>找不到頭像檔 %1</translation>
    </message>
    <message>
        <source>无法打开头像档 %1：%2</source>
        <translation>無法開啟頭像檔 %1：%2</translation>
    </message>
    <message>
        <source>无法读取头像档 %1：%2</source>
        <translation>無法讀取頭像檔 %1：%2</translation>
    </message>
    <message>
        <source>头像档 %1 不含头像 %2（目录只列出 %3 个头像）</source>
        <translation>頭像檔 %1 不含頭像 %2（目錄只列出 %3 個頭像）</translation>
    </message>
    <message>
        <source>头像档 %1 只有 %2 字节，放不下头像 %3</source>
        <translation>頭像檔 %1 只有 %2 位元組，放不下頭像 %3</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>头像 %1 不存在：游戏没有这个编号的头像</source>
        <translation>頭像 %1 不存在：遊戲沒有這個編號的頭像</translation>
    </message>
    <message>
        <source>头像档 %1 是只读文件，不能替换其中的头像</source>
        <translation>頭像檔 %1 是唯讀檔案，不能取代其中的頭像</translation>
    </message>
    <message>
        <source>头像档 %1 正被其他程序打开（多半是游戏），请先关闭游戏</source>
        <translation>頭像檔 %1 正被其他程式開啟（多半是遊戲），請先關閉遊戲</translation>
    </message>
    <message>
        <source>无法建立头像档的备份 %1</source>
        <translation>無法建立頭像檔的備份 %1</translation>
    </message>
    <message>
        <source>无法写入头像档 %1：%2</source>
        <translation>無法寫入頭像檔 %1：%2</translation>
    </message>
    <message>
        <source>替换后读回头像档 %1 时发现内容不符，请用备份 %2 恢复</source>
        <translation>取代後讀回頭像檔 %1 時發現內容不符，請用備份 %2 還原</translation>
    </message>
    <message>
        <source>头像档 %1 不含头像 %2（文件只有 %3 字节，追加头像档列出 %4 个）</source>
        <translation>頭像檔 %1 不含頭像 %2（檔案只有 %3 位元組，追加頭像檔列出 %4 個）</translation>
    </message>
    <message>
        <source>没有头像 %1 的备份：%2 不存在或不含这个头像</source>
        <translation>沒有頭像 %1 的備份：%2 不存在或不含這個頭像</translation>
    </message>
</context>
<context>
    <name>ImportPreviewDialog</name>
    <message>
        <source>导入武将：预览</source>
        <translation>匯入武將：預覽</translation>
    </message>
    <message>
        <source>武将</source>
        <translation>武將</translation>
    </message>
    <message>
        <source>字段</source>
        <translation>欄位</translation>
    </message>
    <message>
        <source>原值</source>
        <translation>原值</translation>
    </message>
    <message>
        <source>新值</source>
        <translation>新值</translation>
    </message>
    <message>
        <source>游戏中显示</source>
        <translation>遊戲中顯示</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>将改变 %1 位武将的 %2 处内容。应用后请保存新武将档；文件头和保留字节保持文件中的值。</source>
        <translation>將變更 %1 位武將的 %2 處內容。套用後請儲存新武將檔；檔頭和保留位元組保持檔案中的值。</translation>
    </message>
</context>
<context>
    <name>Jislib</name>
    <message>
        <source>找不到字符对照表 %1：%2；没有它无法转换文字，程序停止运行</source>
        <translation>找不到字元對照表 %1：%2；沒有它無法轉換文字，程式停止執行</translation>
    </message>
    <message>
        <source>字符对照表 %1 有 %2 字节，应为 %3 字节；没有完整的对照表无法转换文字，程序停止运行</source>
        <translation>字元對照表 %1 有 %2 位元組，應為 %3 位元組；沒有完整的對照表無法轉換文字，程式停止執行</translation>
    </message>
</context>
<context>
    <name>JsonExchange</name>
    <message>
        <source>特技应为文字</source>
        <translation>特技應為文字</translation>
    </message>
    <message>
        <source>这个值的类型不对</source>
        <translation>這個值的類型不對</translation>
    </message>
    <message>
        <source>原始数据应为十六进制文字</source>
        <translation>原始資料應為十六進位文字</translation>
    </message>
    <message>
        <source>每位武将应为一个对象</source>
        <translation>每位武將應為一個物件</translation>
    </message>
    <message>
        <source>raw 应为一个对象</source>
        <translation>raw 應為一個物件</translation>
    </message>
    <message>
        <source>未知的字段</source>
        <translation>未知的欄位</translation>
    </message>
    <message>
        <source>未知的原始数据</source>
        <translation>未知的原始資料</translation>
    </message>
    <message>
        <source>JSON 格式错误：%1</source>
        <translation>JSON 格式錯誤：%1</translation>
    </message>
    <message>
        <source>同一个对象中键 “%1” 出现了不止一次</source>
        <translation>同一個物件中鍵「%1」出現了不只一次</translation>
    </message>
    <message>
        <source>JSON 文件应为一个对象</source>
        <translation>JSON 檔案應為一個物件</translation>
    </message>
    <message>
        <source>不是 velmedit 的武将交换文件（format 应为 “%1”）</source>
        <translation>不是 velmedit 的武將交換檔（format 應為「%1」）</translation>
    </message>
    <message>
        <source>缺少武将列表 officers</source>
        <translation>缺少武將清單 officers</translation>
    </message>
    <message>
        <source>武将太多：%1 位，新武将档只有 110 个槽</source>
        <translation>武將太多：%1 位，新武將檔只有 110 個槽</translation>
    </message>
    <message>
        <source>文件中没有武将</source>
        <translation>檔案中沒有武將</translation>
    </message>
    <message>
        <source>文件是空的</source>
        <translation>檔案是空的</translation>
    </message>
    <message>
        <source>文件结束后还有多余的内容</source>
        <translation>檔案結束後還有多餘的內容</translation>
    </message>
    <message>
        <source>这里应为一个值（文字要加双引号，最后一项后面不能有逗号）</source>
        <translation>這裡應為一個值（文字要加雙引號，最後一項後面不能有逗號）</translation>
    </message>
    <message>
        <source>逗号后面缺少一项（最后一项后面不能有逗号）</source>
        <translation>逗號後面缺少一項（最後一項後面不能有逗號）</translation>
    </message>
    <message>
        <source>这里应为带双引号的键</source>
        <translation>這裡應為帶雙引號的鍵</translation>
    </message>
    <message>
        <source>键后面缺少冒号</source>
        <translation>鍵後面缺少冒號</translation>
    </message>
    <message>
        <source>对象没有结束：缺少 } 或两项之间的逗号</source>
        <translation>物件沒有結束：缺少 } 或兩項之間的逗號</translation>
    </message>
    <message>
        <source>列表没有结束：缺少 ] 或两项之间的逗号</source>
        <translation>清單沒有結束：缺少 ] 或兩項之間的逗號</translation>
    </message>
    <message>
        <source>文字中有不合法的转义（反斜杠要写成 \\）</source>
        <translation>文字中有不合法的跳脫字元（反斜線要寫成 \\）</translation>
    </message>
    <message>
        <source>文字中有无法识别的字符（不成对的 \u 代理项）</source>
        <translation>文字中有無法辨識的字元（不成對的 \u 代理項）</translation>
    </message>
    <message>
        <source>文字没有结束：缺少结束的双引号</source>
        <translation>文字沒有結束：缺少結束的雙引號</translation>
    </message>
    <message>
        <source>文字中有不合法的 UTF-8 字节</source>
        <translation>文字中有不合法的 UTF-8 位元組</translation>
    </message>
    <message>
        <source>不是合法的数字</source>
        <translation>不是合法的數字</translation>
    </message>
    <message>
        <source>文件中途结束</source>
        <translation>檔案中途結束</translation>
    </message>
    <message>
        <source>格式错误</source>
        <translation>格式錯誤</translation>
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
    <name>MainWindowLook</name>
    <message>
        <source>Velmora自登陆武将文件 ([Tt][Pp][Ee][Rr][Ss][Oo][Nn].[Vv][Mm][Rr])</source>
        <translation>Velmora自登錄武將檔 ([Tt][Pp][Ee][Rr][Ss][Oo][Nn].[Vv][Mm][Rr])</translation>
    </message>
</context>
<context>
    <name>OfficerDocument</name>
    <message>
        <source>修改 %1</source>
        <translation>修改 %1</translation>
    </message>
    <message>
        <source>粘贴到 %1</source>
        <translation>貼上到 %1</translation>
    </message>
    <message>
        <source>清空 %1</source>
        <translation>清空 %1</translation>
    </message>
    <message>
        <source>文件 %1 已不在原处（被删除或移走）；未保存</source>
        <translation>檔案 %1 已不在原處（被刪除或移走）；未儲存</translation>
    </message>
    <message>
        <source>文件 %1 在读入后被其他程序改变；未保存，以免覆盖那些改变</source>
        <translation>檔案 %1 在讀入後被其他程式改變；未儲存，以免覆寫那些改變</translation>
    </message>
    <message>
        <source>恢复备份 %1</source>
        <translation>還原備份 %1</translation>
    </message>
</context>
<context>
    <name>OfficerFields</name>
    <message>
        <source>保留字节</source>
        <translation>保留位元組</translation>
    </message>
    <message>
        <source>特技</source>
        <translation>特技</translation>
    </message>
    <message>
        <source>勾选则此武将拥有这项特技</source>
        <translation>勾選則此武將擁有這項特技</translation>
    </message>
    <message>
        <source>姓</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>武将的姓</source>
        <translation>武將的姓</translation>
    </message>
    <message>
        <source>名</source>
        <translation>名</translation>
    </message>
    <message>
        <source>武将的名</source>
        <translation>武將的名</translation>
    </message>
    <message>
        <source>字</source>
        <translation>字</translation>
    </message>
    <message>
        <source>武将的字（表字），可以不填</source>
        <translation>武將的字（表字），可以不填</translation>
    </message>
    <message>
        <source>读音</source>
        <translation>讀音</translation>
    </message>
    <message>
        <source>姓名的读音</source>
        <translation>姓名的讀音</translation>
    </message>
    <message>
        <source>列传</source>
        <translation>列傳</translation>
    </message>
    <message>
        <source>武将的列传，生平的介绍</source>
        <translation>武將的列傳，生平的介紹</translation>
    </message>
    <message>
        <source>头像</source>
        <translation>頭像</translation>
    </message>
    <message>
        <source>头像编号；点击头像，在头像选择窗口中挑选</source>
        <translation>頭像編號；點選頭像，在頭像選擇視窗中挑選</translation>
    </message>
    <message>
        <source>统率</source>
        <translation>統率</translation>
    </message>
    <message>
        <source>统率能力，带兵作战的指挥力</source>
        <translation>統率能力，帶兵作戰的指揮力</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>武力</translation>
    </message>
    <message>
        <source>武力，个人的武艺与战斗力</source>
        <translation>武力，個人的武藝與戰鬥力</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>智力</translation>
    </message>
    <message>
        <source>智力，谋略与计策的能力</source>
        <translation>智力，謀略與計策的能力</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>政治</translation>
    </message>
    <message>
        <source>政治能力，内政与治理的才干</source>
        <translation>政治能力，內政與治理的才幹</translation>
    </message>
    <message>
        <source>魅力</source>
        <translation>魅力</translation>
    </message>
    <message>
        <source>魅力，吸引人心、招揽人才的能力</source>
        <translation>魅力，吸引人心、招攬人才的能力</translation>
    </message>
    <message>
        <source>声望</source>
        <translation>聲望</translation>
    </message>
    <message>
        <source>声望，在世间的名声</source>
        <translation>聲望，在世間的名聲</translation>
    </message>
    <message>
        <source>诞生年</source>
        <translation>誕生年</translation>
    </message>
    <message>
        <source>诞生的年份</source>
        <translation>誕生的年份</translation>
    </message>
    <message>
        <source>登场年</source>
        <translation>登場年</translation>
    </message>
    <message>
        <source>在游戏中登场的年份</source>
        <translation>在遊戲中登場的年份</translation>
    </message>
    <message>
        <source>死亡年</source>
        <translation>死亡年</translation>
    </message>
    <message>
        <source>死亡的年份；早于诞生年或登场年时，检查会提醒</source>
        <translation>死亡的年份；早於誕生年或登場年時，檢查會提醒</translation>
    </message>
    <message>
        <source>势力相性</source>
        <translation>勢力相性</translation>
    </message>
    <message>
        <source>与君主的相性，数值越接近越亲近</source>
        <translation>與君主的相性，數值越接近越親近</translation>
    </message>
    <message>
        <source>个人相性</source>
        <translation>個人相性</translation>
    </message>
    <message>
        <source>与其他武将个人之间的相性（投缘）</source>
        <translation>與其他武將個人之間的相性（投緣）</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>武将的类型</source>
        <translation>武將的類型</translation>
    </message>
    <message>
        <source>信念</source>
        <translation>信念</translation>
    </message>
    <message>
        <source>武将行事所本的信念</source>
        <translation>武將行事所本的信念</translation>
    </message>
    <message>
        <source>性格</source>
        <translation>性格</translation>
    </message>
    <message>
        <source>武将的性格</source>
        <translation>武將的性格</translation>
    </message>
    <message>
        <source>饮酒</source>
        <translation>飲酒</translation>
    </message>
    <message>
        <source>对饮酒的喜好</source>
        <translation>對飲酒的喜好</translation>
    </message>
    <message>
        <source>关心</source>
        <translation>關心</translation>
    </message>
    <message>
        <source>平时关心、喜好的事</source>
        <translation>平時關心、喜好的事</translation>
    </message>
    <message>
        <source>物欲</source>
        <translation>物慾</translation>
    </message>
    <message>
        <source>对财物的欲望</source>
        <translation>對財物的慾望</translation>
    </message>
    <message>
        <source>性别</source>
        <translation>性別</translation>
    </message>
    <message>
        <source>武将的性别</source>
        <translation>武將的性別</translation>
    </message>
    <message>
        <source>义理</source>
        <translation>義理</translation>
    </message>
    <message>
        <source>重视义理的程度</source>
        <translation>重視義理的程度</translation>
    </message>
    <message>
        <source>启用</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>录用人才时看重的方面</source>
        <translation>錄用人才時看重的方面</translation>
    </message>
    <message>
        <source>拥汉</source>
        <translation>擁漢</translation>
    </message>
    <message>
        <source>对汉室的态度</source>
        <translation>對漢室的態度</translation>
    </message>
    <message>
        <source>战略</source>
        <translation>戰略</translation>
    </message>
    <message>
        <source>谋划战略时着眼的范围</source>
        <translation>謀劃戰略時著眼的範圍</translation>
    </message>
    <message>
        <source>任务</source>
        <translation>任務</translation>
    </message>
    <message>
        <source>执行任务的态度</source>
        <translation>執行任務的態度</translation>
    </message>
    <message>
        <source>父亲</source>
        <translation>父親</translation>
    </message>
    <message>
        <source>此人的父亲</source>
        <translation>此人的父親</translation>
    </message>
    <message>
        <source>母亲</source>
        <translation>母親</translation>
    </message>
    <message>
        <source>此人的母亲</source>
        <translation>此人的母親</translation>
    </message>
    <message>
        <source>配偶</source>
        <translation>配偶</translation>
    </message>
    <message>
        <source>此人的配偶</source>
        <translation>此人的配偶</translation>
    </message>
    <message>
        <source>家族</source>
        <translation>家族</translation>
    </message>
    <message>
        <source>与此人同一家族的武将</source>
        <translation>與此人同一家族的武將</translation>
    </message>
    <message>
        <source>兄弟</source>
        <translation>兄弟</translation>
    </message>
    <message>
        <source>此人的兄弟</source>
        <translation>此人的兄弟</translation>
    </message>
    <message>
        <source>仇敌</source>
        <translation>仇敵</translation>
    </message>
    <message>
        <source>此人的仇敌</source>
        <translation>此人的仇敵</translation>
    </message>
    <message>
        <source>相同武将</source>
        <translation>相同武將</translation>
    </message>
    <message>
        <source>视为同一人物的武将（例如同一人的另一登录），无则选“无”</source>
        <translation>視為同一人物的武將（例如同一人的另一登錄），沒有則選「無」</translation>
    </message>
</context>
<context>
    <name>OfficerFile</name>
    <message>
        <source>无法打开文件 %1：%2</source>
        <translation>無法開啟檔案 %1：%2</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>無法讀取檔案 %1：%2</translation>
    </message>
    <message>
        <source>文件 %1 只有 %2 字节，新武将档应为 %3 字节；未载入</source>
        <translation>檔案 %1 只有 %2 位元組，新武將檔應為 %3 位元組；未載入</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2；文件未写成</source>
        <translation>無法寫入檔案 %1：%2；檔案未寫成</translation>
    </message>
    <message>
        <source>无法建立备份文件 %1：%2；文件未改变，仍是保存前的内容</source>
        <translation>無法建立備份檔 %1：%2；檔案未改變，仍是儲存前的內容</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2；文件未改变，仍是保存前的内容</source>
        <translation>無法寫入檔案 %1：%2；檔案未改變，仍是儲存前的內容</translation>
    </message>
    <message>
        <source>保存后读回文件 %1 时发现内容不符，文件已被新内容替换但可能已损坏，请用备份文件 %2 恢复</source>
        <translation>儲存後讀回檔案 %1 時發現內容不符，檔案已被新內容取代但可能已損壞，請用備份檔 %2 還原</translation>
    </message>
</context>
<context>
    <name>OfficerFinder</name>
    <message>
        <source>%1 %2 的框中“%3”不是整数</source>
        <translation>%1 %2 的方塊中「%3」不是整數</translation>
    </message>
</context>
<context>
    <name>OfficerListPanel</name>
    <message>
        <source>新武将</source>
        <translation>新武將</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>统率</source>
        <translation>統率</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>武力</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>智力</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>政治</translation>
    </message>
    <message>
        <source>魅力</source>
        <translation>魅力</translation>
    </message>
    <message>
        <source>输入一项或多项值以查找武将</source>
        <translation>輸入一項或多項值以尋找武將</translation>
    </message>
    <message>
        <source>统</source>
        <translation>統</translation>
    </message>
    <message>
        <source>武</source>
        <translation>武</translation>
    </message>
    <message>
        <source>智</source>
        <translation>智</translation>
    </message>
    <message>
        <source>政</source>
        <translation>政</translation>
    </message>
    <message>
        <source>魅</source>
        <translation>魅</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>尋找</translation>
    </message>
</context>
<context>
    <name>OfficerToolsMenu</name>
    <message>
        <source>查找武将(&amp;F)…</source>
        <translation>尋找武將(&amp;F)…</translation>
    </message>
    <message>
        <source>复制武将(&amp;C)</source>
        <translation>複製武將(&amp;C)</translation>
    </message>
    <message>
        <source>粘贴到此武将(&amp;P)</source>
        <translation>貼到此武將(&amp;P)</translation>
    </message>
    <message>
        <source>清空此武将(&amp;D)</source>
        <translation>清除此武將(&amp;D)</translation>
    </message>
    <message>
        <source>请先打开新武将登陆文件！</source>
        <translation>請先開啟新武將登錄檔！</translation>
    </message>
    <message>
        <source>请先在列表中选择一位武将</source>
        <translation>請先在清單中選擇一位武將</translation>
    </message>
    <message>
        <source>清空 %1 吗？</source>
        <translation>要清除 %1 嗎？</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>当前武将的修改尚未确认，是否确认修改？</source>
        <translation>目前武將的修改尚未確認，要確認修改嗎？</translation>
    </message>
    <message>
        <source>确认修改</source>
        <translation>確認修改</translation>
    </message>
    <message>
        <source>放弃修改</source>
        <translation>放棄修改</translation>
    </message>
    <message>
        <source>复制武将</source>
        <translation>複製武將</translation>
    </message>
    <message>
        <source>粘贴到此武将</source>
        <translation>貼到此武將</translation>
    </message>
    <message>
        <source>清空此武将</source>
        <translation>清除此武將</translation>
    </message>
</context>
<context>
    <name>PanelSession</name>
    <message>
        <source>确认修改 %1</source>
        <translation>確認修改 %1</translation>
    </message>
    <message>
        <source>此人日文--&gt;中文 %1</source>
        <translation>此人日文--&gt;中文 %1</translation>
    </message>
    <message>
        <source>所有武将日文--&gt;中文（%1 名）</source>
        <translation>所有武將日文--&gt;中文（%1 名）</translation>
    </message>
</context>
<context>
    <name>PhraseConversion</name>
    <message>
        <source>无法进入文件夹</source>
        <translation>無法進入資料夾</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>无法读取 OpenCC 的数据 %1：%2</source>
        <translation>無法讀取 OpenCC 的資料 %1：%2</translation>
    </message>
    <message>
        <source>找不到 OpenCC 的数据 %1（%2）</source>
        <translation>找不到 OpenCC 的資料 %1（%2）</translation>
    </message>
    <message>
        <source>词组转换已关闭：%1；输入的字逐字按字表转为繁体。</source>
        <translation>詞組轉換已關閉：%1；輸入的字逐字按字表轉為繁體。</translation>
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
    <name>RosterPicker</name>
    <message>
        <source>查找…</source>
        <translation>尋找…</translation>
    </message>
    <message>
        <source>输入编号或名字的一部分（简体、繁体均可）
↑↓ 移动，Enter 选择，Esc 关闭</source>
        <translation>輸入編號或名字的一部分（簡體、繁體皆可）
↑↓ 移動，Enter 選擇，Esc 關閉</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>velmedit: 没有图形显示（DISPLAY 和 WAYLAND_DISPLAY 都没有设置），无法打开编辑器窗口。</source>
        <translation>velmedit: 沒有圖形顯示（DISPLAY 和 WAYLAND_DISPLAY 都沒有設定），無法開啟編輯器視窗。</translation>
    </message>
    <message>
        <source>velmedit: 无法连接图形显示（%1），无法打开编辑器窗口。</source>
        <translation>velmedit: 無法連線到圖形顯示（%1），無法開啟編輯器視窗。</translation>
    </message>
</context>
<context>
    <name>Subcommands</name>
    <message>
        <source>%1：</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>%1；</source>
        <translation>%1；</translation>
    </message>
    <message>
        <source>%1未处理（确是新武将档时加 --force）</source>
        <translation>%1未處理（確實是新武將檔時加上 --force）</translation>
    </message>
    <message>
        <source>--slots 应为 650–759 之间的编号或范围，例如 650-659,700：%1</source>
        <translation>--slots 應為 650–759 之間的編號或範圍，例如 650-659,700：%1</translation>
    </message>
    <message>
        <source>--slots 没有给出编号</source>
        <translation>--slots 沒有指定編號</translation>
    </message>
    <message>
        <source>交换文件名应以 .json 或 .csv 结尾：%1</source>
        <translation>交換檔名應以 .json 或 .csv 結尾：%1</translation>
    </message>
    <message>
        <source>已导出 %1 位武将到 %2</source>
        <translation>已匯出 %1 位武將到 %2</translation>
    </message>
    <message>
        <source>--encoding 应为 utf-8、gbk 或 big5：%1</source>
        <translation>--encoding 應為 utf-8、gbk 或 big5：%1</translation>
    </message>
    <message>
        <source>未导入：有 %1 处错误，文件没有改变</source>
        <translation>未匯入：有 %1 處錯誤，檔案沒有改變</translation>
    </message>
    <message>
        <source>没有要改变的内容</source>
        <translation>沒有要改變的內容</translation>
    </message>
    <message>
        <source>试运行：%1 处改变，文件没有改变</source>
        <translation>試執行：%1 處改變，檔案沒有改變</translation>
    </message>
    <message>
        <source>已保存 %1 处改变；原文件备份为 %2</source>
        <translation>已儲存 %1 處改變；原檔案備份為 %2</translation>
    </message>
    <message>
        <source>保存前的文件复制为 %1</source>
        <translation>儲存前的檔案複製為 %1</translation>
    </message>
    <message>
        <source>保存前的文件与已有副本相同：%1</source>
        <translation>儲存前的檔案與已有副本相同：%1</translation>
    </message>
    <message>
        <source>--game 不是一个文件夹：%1</source>
        <translation>--game 不是資料夾：%1</translation>
    </message>
    <message>
        <source>没有发现问题</source>
        <translation>沒有發現問題</translation>
    </message>
    <message>
        <source>发现 %1 处问题</source>
        <translation>發現 %1 處問題</translation>
    </message>
    <message>
        <source>两个文件的武将数据相同</source>
        <translation>兩個檔案的武將資料相同</translation>
    </message>
    <message>
        <source>--text 应为 simplified 或 traditional：%1</source>
        <translation>--text 應為 simplified 或 traditional：%1</translation>
    </message>
</context>
<context>
    <name>SuspiciousValues</name>
    <message>
        <source>能力 %1 超过 %2</source>
        <translation>能力 %1 超過 %2</translation>
    </message>
    <message>
        <source>没有选择</source>
        <translation>沒有選擇</translation>
    </message>
    <message>
        <source>指向这位武将自己（%1）</source>
        <translation>指向這位武將自己（%1）</translation>
    </message>
    <message>
        <source>指向空的槽 %1（%2）</source>
        <translation>指向空的槽 %1（%2）</translation>
    </message>
    <message>
        <source>父母 %1 生于 %2 年，晚于本人的 %3 年</source>
        <translation>父母 %1 生於 %2 年，晚於本人的 %3 年</translation>
    </message>
    <message>
        <source>死亡年 %1 早于诞生年 %2</source>
        <translation>死亡年 %1 早於誕生年 %2</translation>
    </message>
    <message>
        <source>死亡年 %1 早于登场年 %2</source>
        <translation>死亡年 %1 早於登場年 %2</translation>
    </message>
    <message>
        <source>头像 %1 不在头像档中</source>
        <translation>頭像 %1 不在頭像檔中</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>与 %1 同名</source>
        <translation>與 %1 同名</translation>
    </message>
</context>
<context>
    <name>SystemErrorText</name>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>檔案或資料夾不存在</translation>
    </message>
    <message>
        <source>没有权限</source>
        <translation>沒有權限</translation>
    </message>
    <message>
        <source>不允许这样操作</source>
        <translation>不允許這樣操作</translation>
    </message>
    <message>
        <source>文件系统是只读的</source>
        <translation>檔案系統是唯讀的</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>磁碟空間不足</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>這是一個資料夾</translation>
    </message>
    <message>
        <source>文件太大</source>
        <translation>檔案太大</translation>
    </message>
    <message>
        <source>读写设备出错</source>
        <translation>讀寫裝置出錯</translation>
    </message>
    <message>
        <source>文件正被其他程序使用</source>
        <translation>檔案正被其他程式使用</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>文件不可写</source>
        <translation>檔案不可寫入</translation>
    </message>
</context>
<context>
    <name>TForm_Find</name>
    <message>
        <source>查找武将</source>
        <translation>尋找武將</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>姓名或字的一部分，简体繁体均可</source>
        <translation>姓名或字的一部分，簡體繁體皆可</translation>
    </message>
    <message>
        <source>统率</source>
        <translation>統率</translation>
    </message>
    <message>
        <source>武力</source>
        <translation>武力</translation>
    </message>
    <message>
        <source>智力</source>
        <translation>智力</translation>
    </message>
    <message>
        <source>政治</source>
        <translation>政治</translation>
    </message>
    <message>
        <source>魅力</source>
        <translation>魅力</translation>
    </message>
    <message>
        <source>查找范围</source>
        <translation>尋找範圍</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>只找空位</source>
        <translation>只找空位</translation>
    </message>
    <message>
        <source>只找已登录</source>
        <translation>只找已登錄</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>找到 %1 位武将</source>
        <translation>找到 %1 位武將</translation>
    </message>
</context>
<context>
    <name>TForm_Help</name>
    <message>
        <source>欢迎使用 Velmora 武将登录器</source>
        <translation>歡迎使用 Velmora 武將登錄器</translation>
    </message>
    <message>
        <source>欢迎您使用</source>
        <translation>歡迎您使用</translation>
    </message>
    <message>
        <source>Velmora 武将登录器1.7.1</source>
        <translation>Velmora 武將登錄器1.7.1</translation>
    </message>
    <message>
        <source>本登录器来自</source>
        <translation>本登錄器來自</translation>
    </message>
    <message>
        <source>维摩之家</source>
        <translation>維摩之家</translation>
    </message>
    <message>
        <source>论坛</source>
        <translation>論壇</translation>
    </message>
    <message>
        <source>同时推出</source>
        <translation>同時推出</translation>
    </message>
    <message>
        <source>Velmora 城市登录器 1.0 测试版</source>
        <translation>Velmora 城市登錄器 1.0 測試版</translation>
    </message>
    <message>
        <source>使用提示：</source>
        <translation>使用提示：</translation>
    </message>
    <message>
        <source>1、登录武将文件为
   我的文档\Orvane\Velmora TC\TPrsn\TPERSON.VMR</source>
        <translation>1、登錄武將檔為
   我的文件\Orvane\Velmora TC\TPrsn\TPERSON.VMR</translation>
    </message>
    <message>
        <source>2、支持Velmora中文版，可以用简体输入法输入姓名、列传    </source>
        <translation>2、支援Velmora中文版，可以用簡體輸入法輸入姓名、列傳    </translation>
    </message>
    <message>
        <source>3、可将日文版登录武将信息转换为中文，直接在中文版中继续使用    </source>
        <translation>3、可將日文版登錄武將資料轉換為中文，直接在中文版中繼續使用    </translation>
    </message>
    <message>
        <source>4、可修改隐藏属性     </source>
        <translation>4、可修改隱藏屬性     </translation>
    </message>
    <message>
        <source>。。。单击或按任意键进入修改。。。</source>
        <translation>。。。按一下或按任意鍵進入修改。。。</translation>
    </message>
    <message>
        <source>更新版本下载以及建议、Bug 的提出    </source>
        <translation>更新版本下載以及建議、Bug 的提出    </translation>
    </message>
    <message>
        <source>请到</source>
        <translation>請到</translation>
    </message>
    <message>
        <source>维摩之家(http://velmedit.example/)Velmora版</source>
        <translation>維摩之家(http://velmedit.example/)Velmora版</translation>
    </message>
    <message>
        <source>鸣谢：</source>
        <translation>鳴謝：</translation>
    </message>
    <message>
        <source>整理资料及提供修改方法的 </source>
        <translation>整理資料及提供修改方法的 </translation>
    </message>
    <message>
        <source>石头、青梅、云中客、老树</source>
        <translation>石頭、青梅、雲中客、老樹</translation>
    </message>
    <message>
        <source>作者：</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>2004年11月2日</source>
        <translation>2004年11月2日</translation>
    </message>
    <message>
        <source>提醒</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>台湾是中国不可分割的一部分
钓鱼岛是中国固有领土
</source>
        <translation>台灣是中國不可分割的一部分
釣魚島是中國固有領土
</translation>
    </message>
</context>
<context>
    <name>TForm_InstallDir</name>
    <message>
        <source>选择Velmora的安装目录</source>
        <translation>選擇Velmora的安裝目錄</translation>
    </message>
    <message>
        <source>确  定</source>
        <translation>確  定</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>取 消</translation>
    </message>
    <message>
        <source>此文件夹中没有头像文件 grp\grpfaces.vmr，仍然使用它吗？</source>
        <translation>此資料夾中沒有頭像檔 grp\grpfaces.vmr，仍要使用它嗎？</translation>
    </message>
    <message>
        <source>使用</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>无法创建配置文件</source>
        <translation>無法建立設定檔</translation>
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
    <message>
        <source>%1，仍然打开吗？</source>
        <translation>%1，仍要開啟嗎？</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>撤销(&amp;U) %1</source>
        <translation>復原(&amp;U) %1</translation>
    </message>
    <message>
        <source>重做(&amp;R) %1</source>
        <translation>重做(&amp;R) %1</translation>
    </message>
    <message>
        <source>当前武将的修改尚未确认，是否确认修改？</source>
        <translation>目前武將的修改尚未確認，要確認修改嗎？</translation>
    </message>
    <message>
        <source>确认修改</source>
        <translation>確認修改</translation>
    </message>
    <message>
        <source>放弃修改</source>
        <translation>放棄修改</translation>
    </message>
    <message>
        <source>无法定位安装路径,可能无法显示头像!</source>
        <translation>找不到安裝路徑，可能無法顯示頭像！</translation>
    </message>
    <message>
        <source>修改尚未保存，是否保存？</source>
        <translation>修改尚未儲存，要儲存嗎？</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>不儲存</translation>
    </message>
    <message>
        <source>请先打开一个存档文件！</source>
        <translation>請先開啟一個存檔！</translation>
    </message>
    <message>
        <source>请先打开新武将登陆文件！</source>
        <translation>請先開啟新武將登錄檔！</translation>
    </message>
    <message>
        <source>当前武将的修改尚未确认。</source>
        <translation>目前武將的修改尚未確認。</translation>
    </message>
    <message>
        <source>确认修改后保存</source>
        <translation>確認修改後儲存</translation>
    </message>
    <message>
        <source>只保存已确认的</source>
        <translation>只儲存已確認的</translation>
    </message>
    <message>
        <source>%1 在读入后被其他程序改变了。
重新载入：读入磁盘上的文件，放弃窗口中未保存的修改；
覆盖：用窗口中的武将表覆盖磁盘上的文件。</source>
        <translation>%1 在讀入後被其他程式變更了。
重新載入：讀入磁碟上的檔案，放棄視窗中未儲存的修改；
覆寫：用視窗中的武將表覆寫磁碟上的檔案。</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>重新載入</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>覆寫</translation>
    </message>
    <message>
        <source>%1 已不在原处（被删除或移走）。按窗口中的武将表重新写出这个文件吗？</source>
        <translation>%1 已不在原處（被刪除或移走）。要依視窗中的武將表重新寫出這個檔案嗎？</translation>
    </message>
    <message>
        <source>重新写出</source>
        <translation>重新寫出</translation>
    </message>
    <message>
        <source>%1。
仍然保存吗？（.bak 照常建立，只是不留这次保存前的副本）</source>
        <translation>%1。
仍要儲存嗎？（.bak 照常建立，只是不留這次儲存前的副本）</translation>
    </message>
    <message>
        <source>保存，不留副本</source>
        <translation>儲存，不留副本</translation>
    </message>
    <message>
        <source>%1 已不在原处（被删除或移走）。窗口中的武将表还在，保存时可以重新写出这个文件。</source>
        <translation>%1 已不在原處（被刪除或移走）。視窗中的武將表還在，儲存時可以重新寫出這個檔案。</translation>
    </message>
    <message>
        <source>%1 在读入后被其他程序改变了，窗口中还有未保存的修改。
重新载入：读入磁盘上的文件，放弃这些修改；
覆盖：用窗口中的武将表覆盖磁盘上的文件。</source>
        <translation>%1 在讀入後被其他程式變更了，視窗中還有未儲存的修改。
重新載入：讀入磁碟上的檔案，放棄這些修改；
覆寫：用視窗中的武將表覆寫磁碟上的檔案。</translation>
    </message>
    <message>
        <source>Velmora自登陆武将文件 (TPERSON.VMR);;所有文件 (*)</source>
        <translation>Velmora自登錄武將檔 (TPERSON.VMR);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>有 %1 位武将的文字像是日文版（Shift-JIS）写的，游戏中会显示成乱码：
请用“所有武将日文--&gt;中文”转换。</source>
        <translation>有 %1 位武將的文字像是日文版（Shift-JIS）寫的，遊戲中會顯示成亂碼：
請用「所有武將日文--&gt;中文」轉換。</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>（無）</translation>
    </message>
    <message>
        <source>%1（已不在）</source>
        <translation>%1（已不在）</translation>
    </message>
    <message>
        <source>%1 是文件夹，不是新武将档（TPERSON.VMR）。</source>
        <translation>%1 是資料夾，不是新武將檔（TPERSON.VMR）。</translation>
    </message>
</context>
<context>
    <name>TForm_Restore</name>
    <message>
        <source>恢复备份</source>
        <translation>還原備份</translation>
    </message>
    <message>
        <source>每次保存和导入之前，文件都复制一份在备份文件夹中。选中一份，按“恢复”把它作为要保存的武将表打开；可以撤销，保存后文件即是那一份。</source>
        <translation>每次儲存和匯入之前，檔案都會複製一份到備份資料夾。選取一份，按「還原」把它當作要儲存的武將表開啟；可以復原，儲存後檔案即是那一份。</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>与当前不同的武将</source>
        <translation>與目前不同的武將</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>打开时的文件（.bak）</source>
        <translation>開啟時的檔案（.bak）</translation>
    </message>
    <message>
        <source>%1 字节</source>
        <translation>%1 位元組</translation>
    </message>
    <message>
        <source>%1 位</source>
        <translation>%1 位</translation>
    </message>
    <message>
        <source>已损坏，不能恢复</source>
        <translation>已損壞，無法還原</translation>
    </message>
</context>
<context>
    <name>TfrmPic</name>
    <message>
        <source>转到</source>
        <translation>前往</translation>
    </message>
    <message>
        <source>首页</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>尾页</source>
        <translation>末頁</translation>
    </message>
    <message>
        <source>头像最大编号</source>
        <translation>頭像最大編號</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>新武将</source>
        <translation>新武將</translation>
    </message>
    <message>
        <source>追加武将</source>
        <translation>追加武將</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>抗议</source>
        <translation>抗議</translation>
    </message>
    <message>
        <source>不要点了！没看到我没有编号吗？</source>
        <translation>不要點了！沒看到我沒有編號嗎？</translation>
    </message>
</context>
<context>
    <name>TypedText</name>
    <message>
        <source>含有无法识别的字符（文件中的字已损坏）</source>
        <translation>含有無法辨識的字元（檔案中的字已損壞）</translation>
    </message>
    <message>
        <source>含有控制字符 %1</source>
        <translation>含有控制字元 %1</translation>
    </message>
    <message>
        <source>“?”像是丢失的字（表格程序保存时可能没有选择 UTF-8）</source>
        <translation>「?」像是遺失的字（試算表程式儲存時可能沒有選擇 UTF-8）</translation>
    </message>
    <message>
        <source>无法以繁体中文(Big5)保存的字：%1</source>
        <translation>無法以繁體中文(Big5)儲存的字：%1</translation>
    </message>
    <message>
        <source>无法保存的字：%1</source>
        <translation>無法儲存的字：%1</translation>
    </message>
    <message>
        <source>太长：%1 字节，最多 %2 字节</source>
        <translation>太長：%1 位元組，最多 %2 位元組</translation>
    </message>
</context>
<context>
    <name>ValueRules</name>
    <message>
        <source>%1 超出范围 0–%2</source>
        <translation>%1 超出範圍 0–%2</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 不是可选的项目；可选：%2</source>
        <translation>%1 不是可選的項目；可選：%2</translation>
    </message>
    <message>
        <source>人物编号 %1</source>
        <translation>人物編號 %1</translation>
    </message>
    <message>
        <source>不是繁体中文(Big5)文字，像是日文(Shift-JIS)：请用 此人日文--&gt;中文 转换</source>
        <translation>不是繁體中文(Big5)文字，像是日文(Shift-JIS)：請用 此人日文--&gt;中文 轉換</translation>
    </message>
    <message>
        <source>不是繁体中文(Big5)文字</source>
        <translation>不是繁體中文(Big5)文字</translation>
    </message>
    <message>
        <source>含有 Big5 未定义的字，像是日文(Shift-JIS)：请用 此人日文--&gt;中文 转换</source>
        <translation>含有 Big5 未定義的字，像是日文(Shift-JIS)：請用 此人日文--&gt;中文 轉換</translation>
    </message>
</context>
</TS>
