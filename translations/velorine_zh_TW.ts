<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>BatchReport</name>
    <message>
        <source>1 file</source>
        <translation>1 個檔案</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 個檔案</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> 等另外 %1 個</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>已寫入 %1</translation>
    </message>
    <message>
        <source>Removed the tag of %1</source>
        <translation>已刪除 %1 的標籤</translation>
    </message>
    <message>
        <source>; %1 has nothing to write</source>
        <translation>；%1 無需寫入</translation>
    </message>
    <message>
        <source>; %1 have nothing to write</source>
        <translation>；%1 無需寫入</translation>
    </message>
    <message>
        <source>; cannot write %1</source>
        <translation>；無法寫入 %1</translation>
    </message>
    <message>
        <source>; cannot remove the tag of %1</source>
        <translation>；無法刪除 %1 的標籤</translation>
    </message>
    <message>
        <source> (left selected)</source>
        <translation>（保持選取）</translation>
    </message>
    <message>
        <source> (undo journal: %1)</source>
        <translation>（復原記錄：%1）</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>沒有可復原的操作</translation>
    </message>
    <message>
        <source>Undid the last write: %1 restored</source>
        <translation>已復原上次寫入：還原了 %1</translation>
    </message>
    <message>
        <source> (a run of %1)</source>
        <translation>（%1 的操作）</translation>
    </message>
    <message>
        <source>; and %1 more left alone</source>
        <translation>；另有 %1 個未變更</translation>
    </message>
</context>
<context>
    <name>CCoverWnd</name>
    <message>
        <source>album cover</source>
        <translation>專輯封面</translation>
    </message>
</context>
<context>
    <name>CDictionaryWnd</name>
    <message>
        <source>Filename</source>
        <translation>檔名</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>顯示名稱</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>演出者</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>來源</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>註解</translation>
    </message>
    <message>
        <source>The dictionary has unsaved changes.
Save them before closing?</source>
        <translation>字典有未儲存的變更。
關閉前要儲存嗎？</translation>
    </message>
    <message>
        <source>Save dictionary</source>
        <translation>儲存字典</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Mapping Dictionary[*]</source>
        <translation>對應字典[*]</translation>
    </message>
    <message>
        <source>Entry list</source>
        <translation>項目清單</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>新增項目</translation>
    </message>
    <message>
        <source>Please type in a filename</source>
        <translation>請輸入檔名</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變更</translation>
    </message>
    <message>
        <source>Multi-Tag Edit</source>
        <translation>批次編輯標籤</translation>
    </message>
    <message>
        <source>Tag Edit: </source>
        <translation>編輯標籤：</translation>
    </message>
</context>
<context>
    <name>CFilterDialog</name>
    <message>
        <source>Properties</source>
        <translation>內容</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>DirectX Filters</source>
        <translation>DirectX 濾鏡</translation>
    </message>
    <message>
        <source>Video: %1 frames shown, %2 dropped (%3)</source>
        <translation>視訊：已顯示 %1 格，捨棄 %2 格（%3）</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>skin keyword &quot;%1&quot;</source>
        <translation>外觀關鍵字「%1」</translation>
    </message>
    <message>
        <source>Drag the face</source>
        <translation>拖曳面板</translation>
    </message>
    <message>
        <source>moves the window</source>
        <translation>移動視窗</translation>
    </message>
    <message>
        <source>Drag a slider&apos;s thumb</source>
        <translation>拖曳滑桿</translation>
    </message>
    <message>
        <source>position (seeks on release), volume or balance</source>
        <translation>播放位置（放開時跳轉）、音量或聲道平衡</translation>
    </message>
    <message>
        <source>Double-click the track display</source>
        <translation>按兩下曲目顯示</translation>
    </message>
    <message>
        <source>shows or hides the tracklist</source>
        <translation>顯示或隱藏曲目清單</translation>
    </message>
    <message>
        <source>Right-click the track display</source>
        <translation>在曲目顯示上按右鍵</translation>
    </message>
    <message>
        <source>primary or alternate text</source>
        <translation>主要或替代文字</translation>
    </message>
    <message>
        <source>Double-click the time display</source>
        <translation>按兩下時間顯示</translation>
    </message>
    <message>
        <source>elapsed, remaining or total time</source>
        <translation>已播放、剩餘或總時間</translation>
    </message>
    <message>
        <source>Right-click the face</source>
        <translation>在面板上按右鍵</translation>
    </message>
    <message>
        <source>the system menu: Options, Help, Exit</source>
        <translation>系統選單：選項、說明、結束</translation>
    </message>
    <message>
        <source>Drop files or folders on the face</source>
        <translation>將檔案或資料夾拖放到面板上</translation>
    </message>
    <message>
        <source>they join the tracklist and the first one opens</source>
        <translation>它們會加入曲目清單，並開啟第一個</translation>
    </message>
    <message>
        <source>Hold a seek, volume or balance button</source>
        <translation>按住快轉/倒轉、音量或平衡按鈕</translation>
    </message>
    <message>
        <source>repeats</source>
        <translation>重複執行</translation>
    </message>
    <message>
        <source>A skinned jukebox. Every control shows its name when the mouse rests on it.</source>
        <translation>一款可換外觀的點唱機。滑鼠停留在任一控制項上時會顯示其名稱。</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Controls of the face</source>
        <translation>面板上的控制項</translation>
    </message>
    <message>
        <source>Velorine Help</source>
        <translation>Velorine 說明</translation>
    </message>
</context>
<context>
    <name>CMarlowispDlg</name>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>演出者</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>專輯</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>曲目編號</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>字碼頁</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>無法開啟</translation>
    </message>
    <message>
        <source>no tag</source>
        <translation>無標籤</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>標題：</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>演出者：</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>專輯：</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>註解：</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>曲目編號：</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>新增檔案...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>新增資料夾...</translation>
    </message>
    <message>
        <source>Undo last write</source>
        <translation>復原上次寫入</translation>
    </message>
    <message>
        <source>Put back the bytes the last Write or Remove changed, also after a restart</source>
        <translation>還原上次「寫入」或「移除」所變更的位元組，重新啟動後也可以</translation>
    </message>
    <message>
        <source>Track number, 1 to 255; empty or 0 for none</source>
        <translation>曲目編號，1 到 255；留空或 0 表示無</translation>
    </message>
    <message>
        <source>Write this field</source>
        <translation>寫入此欄位</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>寫入</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Sel All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>As detected</source>
        <translation>依偵測結果</translation>
    </message>
    <message>
        <source>Each file in the code page its text is in</source>
        <translation>每個檔案使用其文字所用的字碼頁</translation>
    </message>
    <message>
        <source>Convert all text</source>
        <translation>轉換全部文字</translation>
    </message>
    <message>
        <source>Write every text field in the chosen code page, as it reads now</source>
        <translation>將所有文字欄位依目前顯示的內容以所選字碼頁寫入</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Marlowisp...</source>
        <translation>關於 Marlowisp(&amp;A)...</translation>
    </message>
    <message>
        <source>About Marlowisp</source>
        <translation>關於 Marlowisp</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>新增檔案</translation>
    </message>
    <message>
        <source>MP3 files (*.mp3 *.MP3);;All files (*)</source>
        <translation>MP3 檔案 (*.mp3 *.MP3);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>無法開啟 %1</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>註解</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>無法開啟</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>目前 %1</translation>
    </message>
    <message>
        <source>; nothing to write</source>
        <translation>；無需寫入</translation>
    </message>
    <message>
        <source>; written in %1</source>
        <translation>；以 %1 寫入</translation>
    </message>
    <message>
        <source>, which cannot hold every character</source>
        <translation>，該字碼頁無法容納所有字元</translation>
    </message>
    <message>
        <source>from: %1</source>
        <translation>原文：%1</translation>
    </message>
    <message>
        <source>Select files to see what a Write does to them.</source>
        <translation>選取檔案，查看「寫入」會對它們做什麼。</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>目前</translation>
    </message>
    <message>
        <source>Written and read back</source>
        <translation>寫入後讀回</translation>
    </message>
    <message>
        <source>and %1 more selected files, not shown here.</source>
        <translation>另有 %1 個選取的檔案，此處未顯示。</translation>
    </message>
</context>
<context>
    <name>CMessageWindow</name>
    <message>
        <source>1 earlier message</source>
        <translation>之前還有 1 則訊息</translation>
    </message>
    <message>
        <source>%1 earlier messages</source>
        <translation>之前還有 %1 則訊息</translation>
    </message>
</context>
<context>
    <name>CTracklistWnd</name>
    <message>
        <source>Select</source>
        <translation>選取</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>移至目前曲目</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>重新掃描</translation>
    </message>
    <message>
        <source>Open/New</source>
        <translation>開啟/新增</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Fullpath</source>
        <translation>完整路徑</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>來源</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>演出者</translation>
    </message>
    <message>
        <source>Full pathname</source>
        <translation>完整路徑名稱</translation>
    </message>
    <message>
        <source>A/V</source>
        <translation>音訊/視訊</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>對應</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>建立日期</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>註解</translation>
    </message>
    <message>
        <source>Index/Total</source>
        <translation>序號/總數</translation>
    </message>
    <message>
        <source>Track listing</source>
        <translation>曲目清單</translation>
    </message>
    <message>
        <source>Show tags</source>
        <translation>顯示標籤</translation>
    </message>
    <message>
        <source>Tracklist</source>
        <translation>曲目清單</translation>
    </message>
    <message>
        <source>Hide tags</source>
        <translation>隱藏標籤</translation>
    </message>
    <message>
        <source>File Selection</source>
        <translation>選取檔案</translation>
    </message>
    <message>
        <source>Load tracklist</source>
        <translation>載入曲目清單</translation>
    </message>
    <message>
        <source>Save tracklist</source>
        <translation>儲存曲目清單</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>新增項目</translation>
    </message>
    <message>
        <source>Please type in a filename</source>
        <translation>請輸入檔名</translation>
    </message>
</context>
<context>
    <name>CVelorineApp</name>
    <message>
        <source>Cannot save the settings to %1</source>
        <translation>無法將設定儲存到 %1</translation>
    </message>
</context>
<context>
    <name>CVelorineWnd</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
    <message>
        <source>Check display mode!</source>
        <translation>請檢查顯示模式！</translation>
    </message>
</context>
<context>
    <name>CVideoWnd</name>
    <message>
        <source>Zoom</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Conform</source>
        <translation>標準尺寸</translation>
    </message>
    <message>
        <source>Filter	Ctrl-F</source>
        <translation>濾鏡	Ctrl-F</translation>
    </message>
    <message>
        <source>Pause	Space</source>
        <translation>暫停	Space</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Fullscreen	Alt+Enter</source>
        <translation>全螢幕	Alt+Enter</translation>
    </message>
    <message>
        <source>Maximize	Dbl-Click</source>
        <translation>最大化	按兩下</translation>
    </message>
    <message>
        <source>video playback</source>
        <translation>視訊播放</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>字典</translation>
    </message>
    <message>
        <source>Tracklist</source>
        <translation>曲目清單</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>倒轉</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循環</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>隨機</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Help!</source>
        <translation>說明！</translation>
    </message>
    <message>
        <source>System menu</source>
        <translation>系統選單</translation>
    </message>
    <message>
        <source>Switch view</source>
        <translation>切換檢視</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Forward seek</source>
        <translation>快轉</translation>
    </message>
    <message>
        <source>Reverse seek</source>
        <translation>倒轉</translation>
    </message>
    <message>
        <source>Track display</source>
        <translation>曲目顯示</translation>
    </message>
    <message>
        <source>Time display</source>
        <translation>時間顯示</translation>
    </message>
    <message>
        <source>A/V status</source>
        <translation>音訊/視訊狀態</translation>
    </message>
    <message>
        <source>Tag/Dic status</source>
        <translation>標籤/字典狀態</translation>
    </message>
    <message>
        <source>Position control</source>
        <translation>播放位置</translation>
    </message>
    <message>
        <source>Volume control</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Balance control</source>
        <translation>聲道平衡</translation>
    </message>
</context>
<context>
    <name>DictionaryStore</name>
    <message>
        <source>Cannot open default.dic
Will attempt to create</source>
        <translation>無法開啟 default.dic
將嘗試建立</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>無法建立。正在結束...</translation>
    </message>
    <message>
        <source>Dictionary not in UNICODE</source>
        <translation>字典不是 UNICODE 格式</translation>
    </message>
    <message>
        <source>Cannot open default.dic</source>
        <translation>無法開啟 default.dic</translation>
    </message>
    <message>
        <source>Dictionary saved</source>
        <translation>字典已儲存</translation>
    </message>
    <message>
        <source>default.dic was not in UNICODE; it was kept as %1</source>
        <translation>default.dic 不是 UNICODE 格式；已另存為 %1</translation>
    </message>
</context>
<context>
    <name>ExtensionLists</name>
    <message>
        <source>Cannot open %1
Will attempt to create</source>
        <translation>無法開啟 %1
將嘗試建立</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>無法建立。正在結束...</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>無法開啟 %1</translation>
    </message>
</context>
<context>
    <name>FallbackSkin</name>
    <message>
        <source>Skin files not found</source>
        <translation>找不到外觀檔案</translation>
    </message>
</context>
<context>
    <name>KeyHelp</name>
    <message>
        <source>Space</source>
        <translation>空白鍵</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左方向鍵</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右方向鍵</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上方向鍵</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下方向鍵</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home 鍵</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End 鍵</translation>
    </message>
    <message>
        <source>Keypad +</source>
        <translation>數字鍵台 +</translation>
    </message>
    <message>
        <source>Keypad -</source>
        <translation>數字鍵台 -</translation>
    </message>
    <message>
        <source>Volume up key</source>
        <translation>音量調高鍵</translation>
    </message>
    <message>
        <source>Volume down key</source>
        <translation>音量調低鍵</translation>
    </message>
    <message>
        <source>Seek back %1 s</source>
        <translation>倒轉 %1 秒</translation>
    </message>
    <message>
        <source>Seek forward %1 s</source>
        <translation>快轉 %1 秒</translation>
    </message>
    <message>
        <source>Slower (down to 0.25x)</source>
        <translation>減速（最低 0.25 倍）</translation>
    </message>
    <message>
        <source>Faster (up to 2x)</source>
        <translation>加速（最高 2 倍）</translation>
    </message>
    <message>
        <source>Boss key: pause and hide the video, or come back</source>
        <translation>老闆鍵：暫停並隱藏視訊，或還原</translation>
    </message>
    <message>
        <source>Track display: primary or alternate text</source>
        <translation>曲目顯示：主要或替代文字</translation>
    </message>
    <message>
        <source>Pause/resume</source>
        <translation>暫停/繼續</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>調高音量</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>調低音量</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>濾鏡</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
</context>
<context>
    <name>MediaEngine</name>
    <message>
        <source>video size</source>
        <translation>視訊尺寸</translation>
    </message>
    <message>
        <source>video output</source>
        <translation>視訊輸出</translation>
    </message>
    <message>
        <source>The graph gave no description</source>
        <translation>濾鏡圖未提供說明</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1失敗</translation>
    </message>
    <message>
        <source>Operation Failed, HRESULT %1
</source>
        <translation>操作失敗，HRESULT %1
</translation>
    </message>
    <message>
        <source>Asking for the %1 interface</source>
        <translation>要求 %1 介面</translation>
    </message>
    <message>
        <source>Creating the graph</source>
        <translation>建立濾鏡圖</translation>
    </message>
    <message>
        <source>Getting the event handle</source>
        <translation>取得事件控制代碼</translation>
    </message>
    <message>
        <source>Failed to init quartz core</source>
        <translation>無法初始化 quartz 核心</translation>
    </message>
    <message>
        <source>Rendering the file</source>
        <translation>轉譯檔案</translation>
    </message>
    <message>
        <source>Cannot render the file</source>
        <translation>無法轉譯該檔案</translation>
    </message>
    <message>
        <source>Running the graph</source>
        <translation>執行濾鏡圖</translation>
    </message>
    <message>
        <source>Stopping the graph</source>
        <translation>停止濾鏡圖</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Web site</source>
        <translation>網站</translation>
    </message>
    <message>
        <source>Got to Velorine website</source>
        <translation>前往 Velorine 網站</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>E-Mail the author</source>
        <translation>寄電子郵件給作者</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>List of audio extensions</source>
        <translation>音訊副檔名清單</translation>
    </message>
    <message>
        <source>List of video extensions</source>
        <translation>視訊副檔名清單</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Add an audio extension</source>
        <translation>新增音訊副檔名</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>視訊</translation>
    </message>
    <message>
        <source>Add a video extension</source>
        <translation>新增視訊副檔名</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Delete the extension</source>
        <translation>刪除該副檔名</translation>
    </message>
    <message>
        <source>Add extension</source>
        <translation>新增副檔名</translation>
    </message>
    <message>
        <source>Please type in an extension</source>
        <translation>請輸入副檔名</translation>
    </message>
    <message>
        <source>File extension</source>
        <translation>副檔名</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>ANSI (Western)</source>
        <translation>ANSI（西歐）</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>永遠在最上層</translation>
    </message>
    <message>
        <source>Stay on top of all other windows</source>
        <translation>永遠顯示在其他視窗之上</translation>
    </message>
    <message>
        <source>Scroll text</source>
        <translation>捲動文字</translation>
    </message>
    <message>
        <source>Scroll long text in track display</source>
        <translation>在曲目顯示中捲動過長的文字</translation>
    </message>
    <message>
        <source>Autoplay on drop</source>
        <translation>拖放後自動播放</translation>
    </message>
    <message>
        <source>Play dropped file immediately</source>
        <translation>立即播放拖放的檔案</translation>
    </message>
    <message>
        <source>For tag text without a code-page marker; Automatic reads it from the text</source>
        <translation>用於沒有字碼頁標記的標籤文字；「自動」會依文字本身判斷</translation>
    </message>
    <message>
        <source>Pop-up text delay, in 100ms units</source>
        <translation>彈出文字的顯示時間，以 100 毫秒為單位</translation>
    </message>
    <message>
        <source>Default character set</source>
        <translation>預設字元集</translation>
    </message>
    <message>
        <source>Popup (100ms)</source>
        <translation>彈出（100 毫秒）</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Skin list</source>
        <translation>外觀清單</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>Load skin</source>
        <translation>載入外觀</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>設計者</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>設計者：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>說明：</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>外觀</translation>
    </message>
    <message>
        <source>Use WinAmp genre extensions</source>
        <translation>使用 WinAmp 擴充類型</translation>
    </message>
    <message>
        <source>Use Velorine auto Unicode text translation</source>
        <translation>使用 Velorine 自動 Unicode 文字轉換</translation>
    </message>
    <message>
        <source>Use MARLOW</source>
        <translation>使用 MARLOW</translation>
    </message>
    <message>
        <source>Prefer ID3v2</source>
        <translation>優先使用 ID3v2</translation>
    </message>
    <message>
        <source>Show the ID3v2 tag of MP3 files that have an ID3v1 tag too</source>
        <translation>對同時帶有 ID3v1 標籤的 MP3 檔案顯示其 ID3v2 標籤</translation>
    </message>
    <message>
        <source>%a: artist
%n: name
%g: genre
%d: date
%s: source
%c: comment</source>
        <translation>%a：演出者
%n：名稱
%g：類型
%d：日期
%s：來源
%c：註解</translation>
    </message>
    <message>
        <source>ID3 extensions</source>
        <translation>ID3 擴充</translation>
    </message>
    <message>
        <source>Primary Track Panel Display</source>
        <translation>曲目面板主要顯示</translation>
    </message>
    <message>
        <source>Alternate Track Panel Display</source>
        <translation>曲目面板替代顯示</translation>
    </message>
    <message>
        <source>Track List Display</source>
        <translation>曲目清單顯示</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>標籤</translation>
    </message>
</context>
<context>
    <name>PanelLine</name>
    <message>
        <source>Scan: start</source>
        <translation>掃描：開始</translation>
    </message>
    <message>
        <source>Scan: stop</source>
        <translation>掃描：停止</translation>
    </message>
    <message>
        <source>Sort: start</source>
        <translation>排序：開始</translation>
    </message>
    <message>
        <source>Sort: stop</source>
        <translation>排序：停止</translation>
    </message>
    <message>
        <source>Loop: on</source>
        <translation>循環：開</translation>
    </message>
    <message>
        <source>Loop: off</source>
        <translation>循環：關</translation>
    </message>
    <message>
        <source>Random: on</source>
        <translation>隨機：開</translation>
    </message>
    <message>
        <source>Random: off</source>
        <translation>隨機：關</translation>
    </message>
    <message>
        <source>Speed: %1X</source>
        <translation>速度：%1X</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>正在開啟...</translation>
    </message>
    <message>
        <source>No media file opened</source>
        <translation>未開啟媒體檔案</translation>
    </message>
</context>
<context>
    <name>Pellimorph</name>
    <message>
        <source>cannot open %1</source>
        <translation>無法開啟 %1</translation>
    </message>
    <message>
        <source>No ID3v1 tag in %1, file left unchanged</source>
        <translation>%1 中沒有 ID3v1 標籤，檔案未變更</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>無法寫入 %1</translation>
    </message>
    <message>
        <source>cannot keep the change of %1 in the undo journal, so it was not made: %2</source>
        <translation>無法在復原記錄中記下 %1 的變更，因此未做變更：%2</translation>
    </message>
    <message>
        <source>cannot write the tag of %1</source>
        <translation>無法寫入 %1 的標籤</translation>
    </message>
    <message>
        <source>%1 more files were left as they are</source>
        <translation>另有 %1 個檔案保持原樣</translation>
    </message>
    <message>
        <source>dry run, nothing written: %1 to convert, %2 without a tag, %3 failed</source>
        <translation>試執行，未寫入任何內容：%1 個待轉換，%2 個無標籤，%3 個失敗</translation>
    </message>
    <message>
        <source>%1 converted, %2 without a tag, %3 failed</source>
        <translation>已轉換 %1 個，%2 個無標籤，%3 個失敗</translation>
    </message>
    <message>
        <source>nothing to undo in %1</source>
        <translation>%1 中沒有可復原的操作</translation>
    </message>
    <message>
        <source>undoing the run of %1 at %2 (%3 changes)</source>
        <translation>正在復原 %1 於 %2 的執行（%3 項變更）</translation>
    </message>
    <message>
        <source>%1 damaged lines of the journal %2 were skipped</source>
        <translation>已略過記錄 %2 中 %1 行損壞的內容</translation>
    </message>
    <message>
        <source>not every file was put back; the run stays in the journal</source>
        <translation>並非所有檔案都已還原；該次執行仍保留在記錄中</translation>
    </message>
    <message>
        <source>Pellimorph 1.0, ID3v1 tag code page converter
Pellimorph converts ID3 tags between different character sets

Syntax: Pellimorph CPcurrent CPdesired filename.mp3

CPcurrent = codepage of current tag
CPdesired = desired codepage
Valid codepages are: ANSI, UTF8, BIG5, GB, SJIS, KSC
if any parameter has white space in it, enclose it in quotes
</source>
        <translation>Pellimorph 1.0，ID3v1 標籤字碼頁轉換器
Pellimorph 在不同字元集之間轉換 ID3 標籤

語法：Pellimorph CPcurrent CPdesired filename.mp3

CPcurrent = 目前標籤的字碼頁
CPdesired = 目標字碼頁
可用的字碼頁：ANSI, UTF8, BIG5, GB, SJIS, KSC
參數中含有空白時，請用引號括起來
</translation>
    </message>
    <message>
        <source>Syntax: Pellimorph [--dry-run] CPcurrent CPdesired PATH...
        Pellimorph --undo
        Pellimorph --show [--from CP] PATH...

PATH = an MP3 file, or a folder: every MP3 file below it
CPcurrent may also be AUTO: the tag&apos;s marker, else the detected codepage
--dry-run shows the texts before and after and writes nothing
--undo puts back the files of the last run
</source>
        <translation>語法：Pellimorph [--dry-run] CPcurrent CPdesired PATH...
      Pellimorph --undo
      Pellimorph --show [--from CP] PATH...

PATH = 一個 MP3 檔案，或一個資料夾：其下的所有 MP3 檔案
CPcurrent 也可以是 AUTO：使用標籤的標記，否則使用偵測到的字碼頁
--dry-run 顯示轉換前後的文字，不寫入任何內容
--undo 還原上一次執行所變更的檔案
</translation>
    </message>
    <message>
        <source>Cannot open %1, check file name</source>
        <translation>無法開啟 %1，請檢查檔名</translation>
    </message>
    <message>
        <source>Pellimorph: processing %1</source>
        <translation>Pellimorph：正在處理 %1</translation>
    </message>
    <message>
        <source>%1; this change cannot be undone</source>
        <translation>%1；此變更無法復原</translation>
    </message>
    <message>
        <source>Cannot write the tag of %1</source>
        <translation>無法寫入 %1 的標籤</translation>
    </message>
    <message>
        <source>Syntax: Pellimorph --show [--from CP] PATH ...

Shows the ID3v1 tag of each file as one JSON line; a folder stands for
every MP3 file below it.
CP = codepage to read the tags in, else the marker&apos;s or the detected one
Valid codepages are: ANSI, UTF8, BIG5, GB, SJIS, KSC, AUTO
</source>
        <translation>語法：Pellimorph --show [--from CP] PATH ...

以一行 JSON 顯示每個檔案的 ID3v1 標籤；資料夾表示
其下的所有 MP3 檔案。
CP = 讀取標籤所用的字碼頁，否則使用標記的或偵測到的字碼頁
可用的字碼頁：ANSI, UTF8, BIG5, GB, SJIS, KSC, AUTO
</translation>
    </message>
</context>
<context>
    <name>ShellTray</name>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>回到開頭</translation>
    </message>
    <message>
        <source>End</source>
        <translation>跳到結尾</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>還原</translation>
    </message>
</context>
<context>
    <name>SkinLoader</name>
    <message>
        <source> not found!</source>
        <translation> 找不到！</translation>
    </message>
    <message>
        <source>Skin files not found</source>
        <translation>找不到外觀檔案</translation>
    </message>
    <message>
        <source>spec.txt parse error at line %1</source>
        <translation>spec.txt 第 %1 行剖析錯誤</translation>
    </message>
</context>
<context>
    <name>TagView</name>
    <message>
        <source>%1 (guess)</source>
        <translation>%1（推測）</translation>
    </message>
</context>
<context>
    <name>TracklistStore</name>
    <message>
        <source>Tracklist is empty</source>
        <translation>曲目清單是空的</translation>
    </message>
    <message>
        <source>No media file loaded</source>
        <translation>未載入媒體檔案</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>超出範圍</translation>
    </message>
    <message>
        <source>Tracklist - %1</source>
        <translation>曲目清單 - %1</translation>
    </message>
    <message>
        <source>Tracklist not in UNICODE</source>
        <translation>曲目清單不是 UNICODE 格式</translation>
    </message>
    <message>
        <source>was not in UNICODE</source>
        <translation>不是 UNICODE 格式</translation>
    </message>
    <message>
        <source>Playlist too large (over %1 MiB)</source>
        <translation>播放清單過大（超過 %1 MiB）</translation>
    </message>
    <message>
        <source>was too large to open</source>
        <translation>太大，無法開啟</translation>
    </message>
    <message>
        <source>Cannot open tracklist
Will attempt to create</source>
        <translation>無法開啟曲目清單
將嘗試建立</translation>
    </message>
    <message>
        <source>Cannot create.  Using %1 instead</source>
        <translation>無法建立。改用 %1</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>無法建立。正在結束...</translation>
    </message>
    <message>
        <source>%1 %2; it was kept as %3</source>
        <translation>%1 %2；已另存為 %3</translation>
    </message>
    <message>
        <source>Cannot save tracklist</source>
        <translation>無法儲存曲目清單</translation>
    </message>
    <message>
        <source>The tracklist has unsaved changes. Save them first?</source>
        <translation>曲目清單有未儲存的變更。要先儲存嗎？</translation>
    </message>
    <message>
        <source>Tried 100 searches, none playable</source>
        <translation>已嘗試搜尋 100 次，沒有可播放的檔案</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Mode: Play</source>
        <translation>模式：播放</translation>
    </message>
    <message>
        <source>Mode: Pause</source>
        <translation>模式：暫停</translation>
    </message>
    <message>
        <source>Mode: Resume</source>
        <translation>模式：繼續</translation>
    </message>
    <message>
        <source>Mode: Stop</source>
        <translation>模式：停止</translation>
    </message>
    <message>
        <source>Mode: Home</source>
        <translation>模式：回到開頭</translation>
    </message>
    <message>
        <source>Loop: On</source>
        <translation>循環：開</translation>
    </message>
    <message>
        <source>Loop: Off</source>
        <translation>循環：關</translation>
    </message>
    <message>
        <source>Random: On</source>
        <translation>隨機：開</translation>
    </message>
    <message>
        <source>Random: Off</source>
        <translation>隨機：關</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>音量：%1</translation>
    </message>
    <message>
        <source>Mode: Seek</source>
        <translation>模式：跳轉</translation>
    </message>
    <message>
        <source>Speed: %1X</source>
        <translation>速度：%1X</translation>
    </message>
</context>
</TS>
