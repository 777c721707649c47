<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>BatchReport</name>
    <message>
        <source>1 file</source>
        <translation>1 個のファイル</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 個のファイル</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> ほか %1 個</translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>%1 に書き込みました</translation>
    </message>
    <message>
        <source>Removed the tag of %1</source>
        <translation>%1 のタグを削除しました</translation>
    </message>
    <message>
        <source>; %1 has nothing to write</source>
        <translation>；%1 は書き込む内容がありません</translation>
    </message>
    <message>
        <source>; %1 have nothing to write</source>
        <translation>；%1 は書き込む内容がありません</translation>
    </message>
    <message>
        <source>; cannot write %1</source>
        <translation>；%1 に書き込めません</translation>
    </message>
    <message>
        <source>; cannot remove the tag of %1</source>
        <translation>；%1 のタグを削除できません</translation>
    </message>
    <message>
        <source> (left selected)</source>
        <translation>（選択したまま）</translation>
    </message>
    <message>
        <source> (undo journal: %1)</source>
        <translation>（元に戻す記録: %1）</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>元に戻す操作はありません</translation>
    </message>
    <message>
        <source>Undid the last write: %1 restored</source>
        <translation>前回の書き込みを元に戻しました: %1 を復元</translation>
    </message>
    <message>
        <source> (a run of %1)</source>
        <translation>（%1 による実行）</translation>
    </message>
    <message>
        <source>; and %1 more left alone</source>
        <translation>；ほか %1 個はそのままです</translation>
    </message>
</context>
<context>
    <name>CCoverWnd</name>
    <message>
        <source>album cover</source>
        <translation>アルバムジャケット</translation>
    </message>
</context>
<context>
    <name>CDictionaryWnd</name>
    <message>
        <source>Filename</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示名</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>ソース</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>ジャンル</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>The dictionary has unsaved changes.
Save them before closing?</source>
        <translation>辞書に保存されていない変更があります。
閉じる前に保存しますか?</translation>
    </message>
    <message>
        <source>Save dictionary</source>
        <translation>辞書を保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Mapping Dictionary[*]</source>
        <translation>マッピング辞書[*]</translation>
    </message>
    <message>
        <source>Entry list</source>
        <translation>エントリ一覧</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>エントリの追加</translation>
    </message>
    <message>
        <source>Please type in a filename</source>
        <translation>ファイル名を入力してください</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Multi-Tag Edit</source>
        <translation>複数タグの編集</translation>
    </message>
    <message>
        <source>Tag Edit: </source>
        <translation>タグの編集: </translation>
    </message>
</context>
<context>
    <name>CFilterDialog</name>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>DirectX Filters</source>
        <translation>DirectX フィルタ</translation>
    </message>
    <message>
        <source>Video: %1 frames shown, %2 dropped (%3)</source>
        <translation>ビデオ: %1 フレーム表示、%2 フレーム破棄 (%3)</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <source>skin keyword &quot;%1&quot;</source>
        <translation>スキンのキーワード「%1」</translation>
    </message>
    <message>
        <source>Drag the face</source>
        <translation>本体をドラッグ</translation>
    </message>
    <message>
        <source>moves the window</source>
        <translation>ウィンドウを移動します</translation>
    </message>
    <message>
        <source>Drag a slider&apos;s thumb</source>
        <translation>スライダーのつまみをドラッグ</translation>
    </message>
    <message>
        <source>position (seeks on release), volume or balance</source>
        <translation>再生位置 (離したときにシーク)、音量またはバランス</translation>
    </message>
    <message>
        <source>Double-click the track display</source>
        <translation>トラック表示をダブルクリック</translation>
    </message>
    <message>
        <source>shows or hides the tracklist</source>
        <translation>トラックリストを表示/非表示にします</translation>
    </message>
    <message>
        <source>Right-click the track display</source>
        <translation>トラック表示を右クリック</translation>
    </message>
    <message>
        <source>primary or alternate text</source>
        <translation>メインまたは代替テキスト</translation>
    </message>
    <message>
        <source>Double-click the time display</source>
        <translation>時間表示をダブルクリック</translation>
    </message>
    <message>
        <source>elapsed, remaining or total time</source>
        <translation>経過時間、残り時間または総時間</translation>
    </message>
    <message>
        <source>Right-click the face</source>
        <translation>本体を右クリック</translation>
    </message>
    <message>
        <source>the system menu: Options, Help, Exit</source>
        <translation>システムメニュー: オプション、ヘルプ、終了</translation>
    </message>
    <message>
        <source>Drop files or folders on the face</source>
        <translation>ファイルやフォルダを本体にドロップ</translation>
    </message>
    <message>
        <source>they join the tracklist and the first one opens</source>
        <translation>トラックリストに追加され、最初のものが開きます</translation>
    </message>
    <message>
        <source>Hold a seek, volume or balance button</source>
        <translation>シーク、音量、バランスのボタンを押し続ける</translation>
    </message>
    <message>
        <source>repeats</source>
        <translation>繰り返します</translation>
    </message>
    <message>
        <source>A skinned jukebox. Every control shows its name when the mouse rests on it.</source>
        <translation>スキン対応のジュークボックスです。マウスを重ねると各コントロールの名前が表示されます。</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Controls of the face</source>
        <translation>本体のコントロール</translation>
    </message>
    <message>
        <source>Velorine Help</source>
        <translation>Velorine ヘルプ</translation>
    </message>
</context>
<context>
    <name>CMarlowispDlg</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>アルバム</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>トラック</translation>
    </message>
    <message>
        <source>Code page</source>
        <translation>コードページ</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>開けません</translation>
    </message>
    <message>
        <source>no tag</source>
        <translation>タグなし</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>タイトル:</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>アーティスト:</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>アルバム:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年:</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>コメント:</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>トラック:</translation>
    </message>
    <message>
        <source>Genre:</source>
        <translation>ジャンル:</translation>
    </message>
    <message>
        <source>Add Files...</source>
        <translation>ファイルを追加...</translation>
    </message>
    <message>
        <source>Add Folder...</source>
        <translation>フォルダを追加...</translation>
    </message>
    <message>
        <source>Undo last write</source>
        <translation>前回の書き込みを元に戻す</translation>
    </message>
    <message>
        <source>Put back the bytes the last Write or Remove changed, also after a restart</source>
        <translation>前回の「書き込み」または「削除」で変更したバイトを元に戻します (再起動後も可能)</translation>
    </message>
    <message>
        <source>Track number, 1 to 255; empty or 0 for none</source>
        <translation>トラック番号 (1～255)。空欄または 0 でなし</translation>
    </message>
    <message>
        <source>Write this field</source>
        <translation>この項目を書き込む</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Sel All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>As detected</source>
        <translation>検出どおり</translation>
    </message>
    <message>
        <source>Each file in the code page its text is in</source>
        <translation>各ファイルのテキストのコードページのまま</translation>
    </message>
    <message>
        <source>Convert all text</source>
        <translation>すべてのテキストを変換</translation>
    </message>
    <message>
        <source>Write every text field in the chosen code page, as it reads now</source>
        <translation>すべてのテキスト項目を、現在の表示のまま選択したコードページで書き込みます</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Marlowisp...</source>
        <translation>Marlowisp について(&amp;A)...</translation>
    </message>
    <message>
        <source>About Marlowisp</source>
        <translation>Marlowisp について</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>MP3 files (*.mp3 *.MP3);;All files (*)</source>
        <translation>MP3 ファイル (*.mp3 *.MP3);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダを追加</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>ジャンル</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>開けません</translation>
    </message>
    <message>
        <source>now %1</source>
        <translation>現在 %1</translation>
    </message>
    <message>
        <source>; nothing to write</source>
        <translation>；書き込む内容なし</translation>
    </message>
    <message>
        <source>; written in %1</source>
        <translation>；%1 で書き込み</translation>
    </message>
    <message>
        <source>, which cannot hold every character</source>
        <translation>（すべての文字は表せません）</translation>
    </message>
    <message>
        <source>from: %1</source>
        <translation>元: %1</translation>
    </message>
    <message>
        <source>Select files to see what a Write does to them.</source>
        <translation>ファイルを選択すると、「書き込み」の結果を確認できます。</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Written and read back</source>
        <translation>書き込み後の読み込み結果</translation>
    </message>
    <message>
        <source>and %1 more selected files, not shown here.</source>
        <translation>ほかに選択中のファイルが %1 個あります (ここには表示されません)。</translation>
    </message>
</context>
<context>
    <name>CMessageWindow</name>
    <message>
        <source>1 earlier message</source>
        <translation>以前のメッセージ 1 件</translation>
    </message>
    <message>
        <source>%1 earlier messages</source>
        <translation>以前のメッセージ %1 件</translation>
    </message>
</context>
<context>
    <name>CTracklistWnd</name>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>再生中の曲へ移動</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Rescan</source>
        <translation>再スキャン</translation>
    </message>
    <message>
        <source>Open/New</source>
        <translation>開く/新規作成</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>SaveAs</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Fullpath</source>
        <translation>フルパス</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>ジャンル</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>ソース</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>アーティスト</translation>
    </message>
    <message>
        <source>Full pathname</source>
        <translation>フルパス名</translation>
    </message>
    <message>
        <source>A/V</source>
        <translation>オーディオ/ビデオ</translation>
    </message>
    <message>
        <source>Mapping</source>
        <translation>マッピング</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>作成日</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Index/Total</source>
        <translation>番号/総数</translation>
    </message>
    <message>
        <source>Track listing</source>
        <translation>トラック一覧</translation>
    </message>
    <message>
        <source>Show tags</source>
        <translation>タグを表示</translation>
    </message>
    <message>
        <source>Tracklist</source>
        <translation>トラックリスト</translation>
    </message>
    <message>
        <source>Hide tags</source>
        <translation>タグを隠す</translation>
    </message>
    <message>
        <source>File Selection</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>Load tracklist</source>
        <translation>トラックリストを読み込む</translation>
    </message>
    <message>
        <source>Save tracklist</source>
        <translation>トラックリストを保存</translation>
    </message>
    <message>
        <source>Add entry</source>
        <translation>エントリの追加</translation>
    </message>
    <message>
        <source>Please type in a filename</source>
        <translation>ファイル名を入力してください</translation>
    </message>
</context>
<context>
    <name>CVelorineApp</name>
    <message>
        <source>Cannot save the settings to %1</source>
        <translation>設定を %1 に保存できません</translation>
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
        <translation>元のサイズに戻す</translation>
    </message>
    <message>
        <source>Check display mode!</source>
        <translation>表示モードを確認してください!</translation>
    </message>
</context>
<context>
    <name>CVideoWnd</name>
    <message>
        <source>Zoom</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Shrink</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Conform</source>
        <translation>標準サイズ</translation>
    </message>
    <message>
        <source>Filter	Ctrl-F</source>
        <translation>フィルタ	Ctrl-F</translation>
    </message>
    <message>
        <source>Pause	Space</source>
        <translation>一時停止	Space</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Fullscreen	Alt+Enter</source>
        <translation>全画面表示	Alt+Enter</translation>
    </message>
    <message>
        <source>Maximize	Dbl-Click</source>
        <translation>最大化	ダブルクリック</translation>
    </message>
    <message>
        <source>video playback</source>
        <translation>ビデオ再生</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>辞書</translation>
    </message>
    <message>
        <source>Tracklist</source>
        <translation>トラックリスト</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>巻き戻し</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>ループ</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>ランダム</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Help!</source>
        <translation>ヘルプ!</translation>
    </message>
    <message>
        <source>System menu</source>
        <translation>システムメニュー</translation>
    </message>
    <message>
        <source>Switch view</source>
        <translation>表示の切り替え</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>ジャケット</translation>
    </message>
    <message>
        <source>Forward seek</source>
        <translation>早送り</translation>
    </message>
    <message>
        <source>Reverse seek</source>
        <translation>早戻し</translation>
    </message>
    <message>
        <source>Track display</source>
        <translation>トラック表示</translation>
    </message>
    <message>
        <source>Time display</source>
        <translation>時間表示</translation>
    </message>
    <message>
        <source>A/V status</source>
        <translation>オーディオ/ビデオの状態</translation>
    </message>
    <message>
        <source>Tag/Dic status</source>
        <translation>タグ/辞書の状態</translation>
    </message>
    <message>
        <source>Position control</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>Volume control</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Balance control</source>
        <translation>バランス</translation>
    </message>
</context>
<context>
    <name>DictionaryStore</name>
    <message>
        <source>Cannot open default.dic
Will attempt to create</source>
        <translation>default.dic を開けません
作成を試みます</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>作成できません。終了します...</translation>
    </message>
    <message>
        <source>Dictionary not in UNICODE</source>
        <translation>辞書が UNICODE 形式ではありません</translation>
    </message>
    <message>
        <source>Cannot open default.dic</source>
        <translation>default.dic を開けません</translation>
    </message>
    <message>
        <source>Dictionary saved</source>
        <translation>辞書を保存しました</translation>
    </message>
    <message>
        <source>default.dic was not in UNICODE; it was kept as %1</source>
        <translation>default.dic は UNICODE 形式ではありませんでした。%1 として残しました</translation>
    </message>
</context>
<context>
    <name>ExtensionLists</name>
    <message>
        <source>Cannot open %1
Will attempt to create</source>
        <translation>%1 を開けません
作成を試みます</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>作成できません。終了します...</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 を開けません</translation>
    </message>
</context>
<context>
    <name>FallbackSkin</name>
    <message>
        <source>Skin files not found</source>
        <translation>スキンファイルが見つかりません</translation>
    </message>
</context>
<context>
    <name>KeyHelp</name>
    <message>
        <source>Space</source>
        <translation>Space キー</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>← キー</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>→ キー</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>↑ キー</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>↓ キー</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home キー</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End キー</translation>
    </message>
    <message>
        <source>Keypad +</source>
        <translation>テンキー +</translation>
    </message>
    <message>
        <source>Keypad -</source>
        <translation>テンキー -</translation>
    </message>
    <message>
        <source>Volume up key</source>
        <translation>音量アップキー</translation>
    </message>
    <message>
        <source>Volume down key</source>
        <translation>音量ダウンキー</translation>
    </message>
    <message>
        <source>Seek back %1 s</source>
        <translation>%1 秒戻る</translation>
    </message>
    <message>
        <source>Seek forward %1 s</source>
        <translation>%1 秒進む</translation>
    </message>
    <message>
        <source>Slower (down to 0.25x)</source>
        <translation>遅く (最低 0.25 倍)</translation>
    </message>
    <message>
        <source>Faster (up to 2x)</source>
        <translation>速く (最高 2 倍)</translation>
    </message>
    <message>
        <source>Boss key: pause and hide the video, or come back</source>
        <translation>ボスキー: 一時停止してビデオを隠す、または元に戻す</translation>
    </message>
    <message>
        <source>Track display: primary or alternate text</source>
        <translation>トラック表示: メインまたは代替テキスト</translation>
    </message>
    <message>
        <source>Pause/resume</source>
        <translation>一時停止/再開</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>フィルタ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>MediaEngine</name>
    <message>
        <source>video size</source>
        <translation>ビデオサイズ</translation>
    </message>
    <message>
        <source>video output</source>
        <translation>ビデオ出力</translation>
    </message>
    <message>
        <source>The graph gave no description</source>
        <translation>フィルタグラフから説明がありません</translation>
    </message>
    <message>
        <source>%1 failed</source>
        <translation>%1に失敗しました</translation>
    </message>
    <message>
        <source>Operation Failed, HRESULT %1
</source>
        <translation>操作に失敗しました。HRESULT %1
</translation>
    </message>
    <message>
        <source>Asking for the %1 interface</source>
        <translation>%1 インターフェイスの取得</translation>
    </message>
    <message>
        <source>Creating the graph</source>
        <translation>フィルタグラフの作成</translation>
    </message>
    <message>
        <source>Getting the event handle</source>
        <translation>イベントハンドルの取得</translation>
    </message>
    <message>
        <source>Failed to init quartz core</source>
        <translation>quartz コアを初期化できませんでした</translation>
    </message>
    <message>
        <source>Rendering the file</source>
        <translation>ファイルのレンダリング</translation>
    </message>
    <message>
        <source>Cannot render the file</source>
        <translation>ファイルをレンダリングできません</translation>
    </message>
    <message>
        <source>Running the graph</source>
        <translation>フィルタグラフの実行</translation>
    </message>
    <message>
        <source>Stopping the graph</source>
        <translation>フィルタグラフの停止</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Web site</source>
        <translation>Web サイト</translation>
    </message>
    <message>
        <source>Got to Velorine website</source>
        <translation>Velorine の Web サイトへ</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>E-Mail the author</source>
        <translation>作者にメールを送る</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>List of audio extensions</source>
        <translation>オーディオ拡張子の一覧</translation>
    </message>
    <message>
        <source>List of video extensions</source>
        <translation>ビデオ拡張子の一覧</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Add an audio extension</source>
        <translation>オーディオ拡張子を追加</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Add a video extension</source>
        <translation>ビデオ拡張子を追加</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete the extension</source>
        <translation>拡張子を削除</translation>
    </message>
    <message>
        <source>Add extension</source>
        <translation>拡張子の追加</translation>
    </message>
    <message>
        <source>Please type in an extension</source>
        <translation>拡張子を入力してください</translation>
    </message>
    <message>
        <source>File extension</source>
        <translation>ファイル拡張子</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>ANSI (Western)</source>
        <translation>ANSI (西欧)</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Stay on top of all other windows</source>
        <translation>ほかのすべてのウィンドウより手前に表示します</translation>
    </message>
    <message>
        <source>Scroll text</source>
        <translation>テキストをスクロール</translation>
    </message>
    <message>
        <source>Scroll long text in track display</source>
        <translation>トラック表示で長いテキストをスクロールします</translation>
    </message>
    <message>
        <source>Autoplay on drop</source>
        <translation>ドロップ時に自動再生</translation>
    </message>
    <message>
        <source>Play dropped file immediately</source>
        <translation>ドロップしたファイルをすぐに再生します</translation>
    </message>
    <message>
        <source>For tag text without a code-page marker; Automatic reads it from the text</source>
        <translation>コードページの目印がないタグのテキストに使います。「自動」はテキストから判断します</translation>
    </message>
    <message>
        <source>Pop-up text delay, in 100ms units</source>
        <translation>ポップアップテキストの表示時間 (100 ミリ秒単位)</translation>
    </message>
    <message>
        <source>Default character set</source>
        <translation>既定の文字セット</translation>
    </message>
    <message>
        <source>Popup (100ms)</source>
        <translation>ポップアップ (100 ミリ秒)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Skin list</source>
        <translation>スキン一覧</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Load skin</source>
        <translation>スキンを読み込む</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>デザイナー</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>説明</translation>
    </message>
    <message>
        <source>Designer:</source>
        <translation>デザイナー:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>説明:</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>スキン</translation>
    </message>
    <message>
        <source>Use WinAmp genre extensions</source>
        <translation>WinAmp の拡張ジャンルを使う</translation>
    </message>
    <message>
        <source>Use Velorine auto Unicode text translation</source>
        <translation>Velorine の Unicode 自動テキスト変換を使う</translation>
    </message>
    <message>
        <source>Use MARLOW</source>
        <translation>MARLOW を使う</translation>
    </message>
    <message>
        <source>Prefer ID3v2</source>
        <translation>ID3v2 を優先</translation>
    </message>
    <message>
        <source>Show the ID3v2 tag of MP3 files that have an ID3v1 tag too</source>
        <translation>ID3v1 タグも持つ MP3 ファイルでは ID3v2 タグを表示します</translation>
    </message>
    <message>
        <source>%a: artist
%n: name
%g: genre
%d: date
%s: source
%c: comment</source>
        <translation>%a: アーティスト
%n: 名前
%g: ジャンル
%d: 日付
%s: ソース
%c: コメント</translation>
    </message>
    <message>
        <source>ID3 extensions</source>
        <translation>ID3 拡張</translation>
    </message>
    <message>
        <source>Primary Track Panel Display</source>
        <translation>トラックパネルのメイン表示</translation>
    </message>
    <message>
        <source>Alternate Track Panel Display</source>
        <translation>トラックパネルの代替表示</translation>
    </message>
    <message>
        <source>Track List Display</source>
        <translation>トラックリストの表示</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
</context>
<context>
    <name>PanelLine</name>
    <message>
        <source>Scan: start</source>
        <translation>スキャン: 開始</translation>
    </message>
    <message>
        <source>Scan: stop</source>
        <translation>スキャン: 停止</translation>
    </message>
    <message>
        <source>Sort: start</source>
        <translation>並べ替え: 開始</translation>
    </message>
    <message>
        <source>Sort: stop</source>
        <translation>並べ替え: 停止</translation>
    </message>
    <message>
        <source>Loop: on</source>
        <translation>ループ: オン</translation>
    </message>
    <message>
        <source>Loop: off</source>
        <translation>ループ: オフ</translation>
    </message>
    <message>
        <source>Random: on</source>
        <translation>ランダム: オン</translation>
    </message>
    <message>
        <source>Random: off</source>
        <translation>ランダム: オフ</translation>
    </message>
    <message>
        <source>Speed: %1X</source>
        <translation>速度: %1X</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>開いています...</translation>
    </message>
    <message>
        <source>No media file opened</source>
        <translation>メディアファイルが開かれていません</translation>
    </message>
</context>
<context>
    <name>Pellimorph</name>
    <message>
        <source>cannot open %1</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>No ID3v1 tag in %1, file left unchanged</source>
        <translation>%1 に ID3v1 タグがありません。ファイルは変更していません</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>cannot keep the change of %1 in the undo journal, so it was not made: %2</source>
        <translation>%1 の変更を元に戻す記録に残せないため、変更しませんでした: %2</translation>
    </message>
    <message>
        <source>cannot write the tag of %1</source>
        <translation>%1 のタグを書き込めません</translation>
    </message>
    <message>
        <source>%1 more files were left as they are</source>
        <translation>ほかの %1 個のファイルはそのままです</translation>
    </message>
    <message>
        <source>dry run, nothing written: %1 to convert, %2 without a tag, %3 failed</source>
        <translation>試行のみで書き込みなし: 変換対象 %1 個、タグなし %2 個、失敗 %3 個</translation>
    </message>
    <message>
        <source>%1 converted, %2 without a tag, %3 failed</source>
        <translation>変換 %1 個、タグなし %2 個、失敗 %3 個</translation>
    </message>
    <message>
        <source>nothing to undo in %1</source>
        <translation>%1 に元に戻す操作はありません</translation>
    </message>
    <message>
        <source>undoing the run of %1 at %2 (%3 changes)</source>
        <translation>%2 の %1 の実行を元に戻しています (変更 %3 件)</translation>
    </message>
    <message>
        <source>%1 damaged lines of the journal %2 were skipped</source>
        <translation>記録 %2 の壊れた %1 行を飛ばしました</translation>
    </message>
    <message>
        <source>not every file was put back; the run stays in the journal</source>
        <translation>すべてのファイルは元に戻せませんでした。この実行は記録に残ります</translation>
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
        <translation>Pellimorph 1.0 - ID3v1 タグのコードページ変換ツール
Pellimorph は ID3 タグを別の文字セットに変換します

書式: Pellimorph CPcurrent CPdesired filename.mp3

CPcurrent = 現在のタグのコードページ
CPdesired = 変換先のコードページ
使えるコードページ: ANSI, UTF8, BIG5, GB, SJIS, KSC
引数に空白が含まれる場合は引用符で囲んでください
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
        <translation>書式: Pellimorph [--dry-run] CPcurrent CPdesired PATH...
      Pellimorph --undo
      Pellimorph --show [--from CP] PATH...

PATH = MP3 ファイル、またはフォルダ (その下のすべての MP3 ファイル)
CPcurrent には AUTO も指定できます: タグの目印、なければ検出したコードページ
--dry-run 変換前後のテキストを表示し、何も書き込みません
--undo 前回の実行で変更したファイルを元に戻します
</translation>
    </message>
    <message>
        <source>Cannot open %1, check file name</source>
        <translation>%1 を開けません。ファイル名を確認してください</translation>
    </message>
    <message>
        <source>Pellimorph: processing %1</source>
        <translation>Pellimorph: %1 を処理中</translation>
    </message>
    <message>
        <source>%1; this change cannot be undone</source>
        <translation>%1。この変更は元に戻せません</translation>
    </message>
    <message>
        <source>Cannot write the tag of %1</source>
        <translation>%1 のタグを書き込めません</translation>
    </message>
    <message>
        <source>Syntax: Pellimorph --show [--from CP] PATH ...

Shows the ID3v1 tag of each file as one JSON line; a folder stands for
every MP3 file below it.
CP = codepage to read the tags in, else the marker&apos;s or the detected one
Valid codepages are: ANSI, UTF8, BIG5, GB, SJIS, KSC, AUTO
</source>
        <translation>書式: Pellimorph --show [--from CP] PATH ...

各ファイルの ID3v1 タグを JSON 1 行で表示します。フォルダは
その下のすべての MP3 ファイルを表します。
CP = タグを読むコードページ (なければ目印または検出したもの)
使えるコードページ: ANSI, UTF8, BIG5, GB, SJIS, KSC, AUTO
</translation>
    </message>
</context>
<context>
    <name>ShellTray</name>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>先頭へ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>末尾へ</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元のサイズに戻す</translation>
    </message>
</context>
<context>
    <name>SkinLoader</name>
    <message>
        <source> not found!</source>
        <translation> が見つかりません!</translation>
    </message>
    <message>
        <source>Skin files not found</source>
        <translation>スキンファイルが見つかりません</translation>
    </message>
    <message>
        <source>spec.txt parse error at line %1</source>
        <translation>spec.txt の %1 行目に解析エラーがあります</translation>
    </message>
</context>
<context>
    <name>TagView</name>
    <message>
        <source>%1 (guess)</source>
        <translation>%1 (推定)</translation>
    </message>
</context>
<context>
    <name>TracklistStore</name>
    <message>
        <source>Tracklist is empty</source>
        <translation>トラックリストは空です</translation>
    </message>
    <message>
        <source>No media file loaded</source>
        <translation>メディアファイルが読み込まれていません</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>範囲外です</translation>
    </message>
    <message>
        <source>Tracklist - %1</source>
        <translation>トラックリスト - %1</translation>
    </message>
    <message>
        <source>Tracklist not in UNICODE</source>
        <translation>トラックリストが UNICODE 形式ではありません</translation>
    </message>
    <message>
        <source>was not in UNICODE</source>
        <translation>は UNICODE 形式ではありませんでした</translation>
    </message>
    <message>
        <source>Playlist too large (over %1 MiB)</source>
        <translation>プレイリストが大きすぎます (%1 MiB 超)</translation>
    </message>
    <message>
        <source>was too large to open</source>
        <translation>は大きすぎて開けませんでした</translation>
    </message>
    <message>
        <source>Cannot open tracklist
Will attempt to create</source>
        <translation>トラックリストを開けません
作成を試みます</translation>
    </message>
    <message>
        <source>Cannot create.  Using %1 instead</source>
        <translation>作成できません。代わりに %1 を使います</translation>
    </message>
    <message>
        <source>Cannot create.  Exiting...</source>
        <translation>作成できません。終了します...</translation>
    </message>
    <message>
        <source>%1 %2; it was kept as %3</source>
        <translation>%1 %2。%3 として残しました</translation>
    </message>
    <message>
        <source>Cannot save tracklist</source>
        <translation>トラックリストを保存できません</translation>
    </message>
    <message>
        <source>The tracklist has unsaved changes. Save them first?</source>
        <translation>トラックリストに保存されていない変更があります。先に保存しますか?</translation>
    </message>
    <message>
        <source>Tried 100 searches, none playable</source>
        <translation>100 回探しましたが、再生できるファイルがありません</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Mode: Play</source>
        <translation>モード: 再生</translation>
    </message>
    <message>
        <source>Mode: Pause</source>
        <translation>モード: 一時停止</translation>
    </message>
    <message>
        <source>Mode: Resume</source>
        <translation>モード: 再開</translation>
    </message>
    <message>
        <source>Mode: Stop</source>
        <translation>モード: 停止</translation>
    </message>
    <message>
        <source>Mode: Home</source>
        <translation>モード: 先頭へ</translation>
    </message>
    <message>
        <source>Loop: On</source>
        <translation>ループ: オン</translation>
    </message>
    <message>
        <source>Loop: Off</source>
        <translation>ループ: オフ</translation>
    </message>
    <message>
        <source>Random: On</source>
        <translation>ランダム: オン</translation>
    </message>
    <message>
        <source>Random: Off</source>
        <translation>ランダム: オフ</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>音量: %1</translation>
    </message>
    <message>
        <source>Mode: Seek</source>
        <translation>モード: シーク</translation>
    </message>
    <message>
        <source>Speed: %1X</source>
        <translation>速度: %1X</translation>
    </message>
</context>
</TS>
