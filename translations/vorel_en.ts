<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>CLSAnswerPageWidget</name>
    <message>
        <source>答え</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>不正解のときは自動的にクリックしない(&amp;O)</source>
        <translation>&amp;Don&apos;t click automatically after a wrong answer</translation>
    </message>
    <message>
        <source>正解ボタン</source>
        <translation>Correct button</translation>
    </message>
    <message>
        <source>不正解ボタン</source>
        <translation>Wrong button</translation>
    </message>
    <message>
        <source>スキップボタン</source>
        <translation>Skip button</translation>
    </message>
    <message>
        <source>確認モードのときクリックするボタン(&amp;B)：</source>
        <translation>&amp;Button to click in check mode:</translation>
    </message>
    <message>
        <source>コメントを表示する(&amp;C)</source>
        <translation>Show the &amp;comment</translation>
    </message>
    <message>
        <source>別解を表示する(&amp;O)</source>
        <translation>Show &amp;other answers</translation>
    </message>
    <message>
        <source>答えダイアログの基準幅(&amp;W)：</source>
        <translation>Base &amp;width of the answer dialog:</translation>
    </message>
    <message>
        <source>ピクセル</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>答えダイアログの基準高さ(&amp;H)：</source>
        <translation>Base &amp;height of the answer dialog:</translation>
    </message>
    <message>
        <source>ボタンを自動的にクリックするまでの時間(&amp;T)：</source>
        <translation>&amp;Time before a button is clicked automatically:</translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation>milliseconds</translation>
    </message>
</context>
<context>
    <name>CLSAskingPanel</name>
    <message>
        <source>ここに答えを入力します</source>
        <translation>Type your answer here</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>問題のグループ</source>
        <translation>The question&apos;s group</translation>
    </message>
    <message>
        <source>問題の正誤履歴</source>
        <translation>The question&apos;s right/wrong history</translation>
    </message>
    <message>
        <source>マーク(&amp;M)</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>ヒントの表示/非表示を切り替えます</source>
        <translation>Show or hide the hint</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>答え合わせをします</source>
        <translation>Check the answer</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>出題を中止します</source>
        <translation>Stop the run</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>答え %1</source>
        <translation>Answer %1</translation>
    </message>
    <message>
        <source>問題とヒントの区切り</source>
        <translation>Divider between question and hints</translation>
    </message>
</context>
<context>
    <name>CLSCardComment</name>
    <message>
        <source>コメント(&amp;O)</source>
        <translation>C&amp;omment</translation>
    </message>
</context>
<context>
    <name>CLSCardFont</name>
    <message>
        <source>一覧から選択(&amp;A)...</source>
        <translation>Choose from &amp;a List...</translation>
    </message>
    <message>
        <source>サイズ(&amp;I)</source>
        <translation>S&amp;ize</translation>
    </message>
    <message>
        <source>文字セット(&amp;R)</source>
        <translation>Cha&amp;racter set</translation>
    </message>
    <message>
        <source>フォント名(&amp;N)</source>
        <translation>Font &amp;name</translation>
    </message>
    <message>
        <source>コメント(&amp;O)</source>
        <translation>C&amp;omment</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>CLSCardNumber</name>
    <message>
        <source>秒</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>コメント(&amp;O)</source>
        <translation>C&amp;omment</translation>
    </message>
</context>
<context>
    <name>CLSCardQuestion</name>
    <message>
        <source>問題・答え</source>
        <translation>Question and Answers</translation>
    </message>
    <message>
        <source>ヒント・選択肢</source>
        <translation>Hints and Choices</translation>
    </message>
    <message>
        <source>タイトル(&amp;T)</source>
        <translation>&amp;Title</translation>
    </message>
    <message>
        <source>問題(&amp;Q)</source>
        <translation>&amp;Question</translation>
    </message>
    <message>
        <source>解答数(&amp;N)</source>
        <translation>&amp;Number of answers</translation>
    </message>
    <message>
        <source>グループ(&amp;G)</source>
        <translation>&amp;Group</translation>
    </message>
    <message>
        <source>コメント(&amp;C)</source>
        <translation>&amp;Comment</translation>
    </message>
    <message>
        <source>マーク(&amp;M)</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>正誤履歴(&amp;H)</source>
        <translation>Right/wrong &amp;history</translation>
    </message>
    <message>
        <source>表記(&amp;K)</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>問題と答えの区切り</source>
        <translation>Divider between question and answers</translation>
    </message>
    <message>
        <source>答えの一覧</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>選んだ答え</source>
        <translation>Selected answer</translation>
    </message>
    <message>
        <source>答えと解答数の区切り</source>
        <translation>Divider below the answers</translation>
    </message>
    <message>
        <source>ヒントの一覧</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>選んだヒント</source>
        <translation>Selected hint</translation>
    </message>
    <message>
        <source>ヒントと選択肢の区切り</source>
        <translation>Divider between hints and choices</translation>
    </message>
    <message>
        <source>選択肢の一覧</source>
        <translation>Choices</translation>
    </message>
    <message>
        <source>選んだ選択肢</source>
        <translation>Selected choice</translation>
    </message>
    <message>
        <source>正誤履歴</source>
        <translation>Right/wrong history</translation>
    </message>
</context>
<context>
    <name>CLSCardTitle</name>
    <message>
        <source>タイトル(&amp;T)</source>
        <translation>&amp;Title</translation>
    </message>
    <message>
        <source>選択肢数(&amp;I)</source>
        <translation>Number of cho&amp;ices</translation>
    </message>
    <message>
        <source>コメント(&amp;O)</source>
        <translation>C&amp;omment</translation>
    </message>
    <message>
        <source>答え比較</source>
        <translation>Answer comparison</translation>
    </message>
    <message>
        <source>大文字小文字を区別しない(&amp;L)</source>
        <translation>Ignore upper and &amp;lower case</translation>
    </message>
    <message>
        <source>ひらがなカタカナを区別しない(&amp;K)</source>
        <translation>Treat hiragana and &amp;katakana alike</translation>
    </message>
    <message>
        <source>全角半角を区別しない(&amp;W)</source>
        <translation>Treat full-&amp;width and half-width alike</translation>
    </message>
    <message>
        <source>記号を無視する(&amp;Y)</source>
        <translation>Ignore s&amp;ymbols</translation>
    </message>
    <message>
        <source>あいまい比較(&amp;A)</source>
        <translation>Fuzzy m&amp;atching</translation>
    </message>
</context>
<context>
    <name>CLSCommandMenus</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>カード(&amp;C)</source>
        <translation>&amp;Card</translation>
    </message>
    <message>
        <source>学習(&amp;S)</source>
        <translation>&amp;Study</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>挿入(&amp;I)</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>マーク(&amp;K)</source>
        <translation>Mar&amp;k</translation>
    </message>
</context>
<context>
    <name>CLSCommandSet</name>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation>Open a file</translation>
    </message>
    <message>
        <source>出題履歴を開く(&amp;H)...</source>
        <translation>Exam &amp;History...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>インポート(&amp;I)...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>エクスポート(&amp;E)...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>データ情報(&amp;N)...</source>
        <translation>&amp;Data File Info...</translation>
    </message>
    <message>
        <source>印刷設定(&amp;T)...</source>
        <translation>Page Se&amp;tup...</translation>
    </message>
    <message>
        <source>印刷プレビュー(&amp;V)...</source>
        <translation>Print Pre&amp;view...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>履歴のクリア(&amp;C)</source>
        <translation>&amp;Clear Recent Files</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集画面へ(&amp;E)</source>
        <translation>To the &amp;Editor</translation>
    </message>
    <message>
        <source>編集画面へ</source>
        <translation>Switch to the editor</translation>
    </message>
    <message>
        <source>学習画面へ(&amp;S)</source>
        <translation>To the &amp;Study Screen</translation>
    </message>
    <message>
        <source>学習画面へ</source>
        <translation>Switch to the study screen</translation>
    </message>
    <message>
        <source>ツールバー(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ステータスバー(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>カスタマイズ(&amp;C)...</source>
        <translation>&amp;Customize...</translation>
    </message>
    <message>
        <source>目次(&amp;C)...</source>
        <translation>&amp;Contents...</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About Vorel...</translation>
    </message>
    <message>
        <source>問題文を編集(&amp;Q)</source>
        <translation>Edit the &amp;Question</translation>
    </message>
    <message>
        <source>通常モード(&amp;M)</source>
        <translation>Normal &amp;Mode</translation>
    </message>
    <message>
        <source>通常モード</source>
        <translation>Normal mode</translation>
    </message>
    <message>
        <source>記述式モード(&amp;I)</source>
        <translation>Wr&amp;itten Mode</translation>
    </message>
    <message>
        <source>記述式モード</source>
        <translation>Written mode</translation>
    </message>
    <message>
        <source>選択式モード(&amp;E)</source>
        <translation>Choic&amp;e Mode</translation>
    </message>
    <message>
        <source>選択式モード</source>
        <translation>Choice mode</translation>
    </message>
    <message>
        <source>確認モード(&amp;O)</source>
        <translation>C&amp;onfirm Mode</translation>
    </message>
    <message>
        <source>確認モード</source>
        <translation>Confirm mode</translation>
    </message>
    <message>
        <source>出題範囲(&amp;S)...</source>
        <translation>Que&amp;stion Range...</translation>
    </message>
    <message>
        <source>出題範囲指定</source>
        <translation>Set the question range</translation>
    </message>
    <message>
        <source>すべて(&amp;A)</source>
        <translation>&amp;All in Order</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All in order</translation>
    </message>
    <message>
        <source>ランダム（すべて）(&amp;N)</source>
        <translation>Ra&amp;ndom (All)</translation>
    </message>
    <message>
        <source>ランダム（すべて）</source>
        <translation>Random (all)</translation>
    </message>
    <message>
        <source>ランダム（回数指定）(&amp;R)...</source>
        <translation>&amp;Random (Counted)...</translation>
    </message>
    <message>
        <source>ランダム（回数指定）</source>
        <translation>Random (counted)</translation>
    </message>
    <message>
        <source>弱点問題(&amp;W)...</source>
        <translation>&amp;Weak Points...</translation>
    </message>
    <message>
        <source>弱点問題</source>
        <translation>Weak points</translation>
    </message>
    <message>
        <source>完全(&amp;C)</source>
        <translation>&amp;Complete</translation>
    </message>
    <message>
        <source>完全</source>
        <translation>Complete (until every answer is right)</translation>
    </message>
    <message>
        <source>復習(&amp;V)</source>
        <translation>Re&amp;view</translation>
    </message>
    <message>
        <source>復習</source>
        <translation>Review the questions due</translation>
    </message>
    <message>
        <source>グループ・正誤履歴(&amp;G)</source>
        <translation>&amp;Group and Right/Wrong History</translation>
    </message>
    <message>
        <source>ツールヒント(&amp;O)</source>
        <translation>T&amp;ooltips</translation>
    </message>
    <message>
        <source>情報ペイン(&amp;I)</source>
        <translation>&amp;Information Pane</translation>
    </message>
    <message>
        <source>問題のヒント(&amp;H)</source>
        <translation>Question &amp;Hints</translation>
    </message>
    <message>
        <source>問題カード(&amp;Q)</source>
        <translation>&amp;Question Card</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>検索(&amp;F)...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>次を検索(&amp;N)</source>
        <translation>Find &amp;Next</translation>
    </message>
    <message>
        <source>前を検索(&amp;V)</source>
        <translation>Find Pre&amp;vious</translation>
    </message>
    <message>
        <source>画像/サウンド/ビデオを挿入(&amp;I)...</source>
        <translation>&amp;Insert Image, Sound or Video...</translation>
    </message>
    <message>
        <source>タイトルを追加(&amp;T)</source>
        <translation>Add &amp;Title</translation>
    </message>
    <message>
        <source>問題を追加(&amp;Q)</source>
        <translation>Add &amp;Question</translation>
    </message>
    <message>
        <source>問題を追加</source>
        <translation>Add Question</translation>
    </message>
    <message>
        <source>タイトル(&amp;T)</source>
        <translation>&amp;Title</translation>
    </message>
    <message>
        <source>問題(&amp;Q)</source>
        <translation>&amp;Question</translation>
    </message>
    <message>
        <source>カードを挿入</source>
        <translation>Insert Card</translation>
    </message>
    <message>
        <source>コメント(&amp;C)</source>
        <translation>&amp;Comment</translation>
    </message>
    <message>
        <source>制限時間(&amp;L)</source>
        <translation>Time &amp;Limit</translation>
    </message>
    <message>
        <source>問題表示時間(&amp;S)</source>
        <translation>Question &amp;Show Time</translation>
    </message>
    <message>
        <source>解答開始時間(&amp;A)</source>
        <translation>&amp;Answer Start Time</translation>
    </message>
    <message>
        <source>答え入力欄の高さ(&amp;H)</source>
        <translation>Answer Field &amp;Height</translation>
    </message>
    <message>
        <source>タイトルフォント(&amp;1)</source>
        <translation>&amp;1 Title Font</translation>
    </message>
    <message>
        <source>問題フォント(&amp;2)</source>
        <translation>&amp;2 Question Font</translation>
    </message>
    <message>
        <source>ヒントフォント(&amp;3)</source>
        <translation>&amp;3 Hint Font</translation>
    </message>
    <message>
        <source>答えフォント(&amp;4)</source>
        <translation>&amp;4 Answer Font</translation>
    </message>
    <message>
        <source>コメントフォント(&amp;5)</source>
        <translation>&amp;5 Comment Font</translation>
    </message>
    <message>
        <source>印刷タイトルフォント</source>
        <translation>Print Title Font</translation>
    </message>
    <message>
        <source>印刷問題フォント</source>
        <translation>Print Question Font</translation>
    </message>
    <message>
        <source>印刷答えフォント</source>
        <translation>Print Answer Font</translation>
    </message>
    <message>
        <source>印刷タイトル番号フォント</source>
        <translation>Print Title Number Font</translation>
    </message>
    <message>
        <source>印刷問題番号フォント</source>
        <translation>Print Question Number Font</translation>
    </message>
    <message>
        <source>印刷答え番号フォント</source>
        <translation>Print Answer Number Font</translation>
    </message>
    <message>
        <source>グループ名編集(&amp;G)...</source>
        <translation>Edit &amp;Group Names...</translation>
    </message>
    <message>
        <source>メッセージ編集(&amp;M)...</source>
        <translation>Edit &amp;Message...</translation>
    </message>
    <message>
        <source>条件選択(&amp;S)...</source>
        <translation>&amp;Select by Condition...</translation>
    </message>
    <message>
        <source>選択の反転(&amp;V)</source>
        <translation>In&amp;vert Selection</translation>
    </message>
    <message>
        <source>前へ(&amp;U)</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>カードを上へ移動</source>
        <translation>Move Card Up</translation>
    </message>
    <message>
        <source>次へ(&amp;N)</source>
        <translation>Move Dow&amp;n</translation>
    </message>
    <message>
        <source>カードを下へ移動</source>
        <translation>Move Card Down</translation>
    </message>
    <message>
        <source>問題の並べ替え(&amp;O)...</source>
        <translation>S&amp;ort Questions...</translation>
    </message>
    <message>
        <source>問題の並べ替え</source>
        <translation>Sort Questions</translation>
    </message>
    <message>
        <source>グループ変更(&amp;R)...</source>
        <translation>Change G&amp;roup...</translation>
    </message>
    <message>
        <source>正誤履歴のクリア(&amp;H)...</source>
        <translation>Clear Right/Wrong &amp;History...</translation>
    </message>
    <message>
        <source>チェックをつける(&amp;C)</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>チェックをはずす(&amp;U)</source>
        <translation>&amp;Uncheck</translation>
    </message>
    <message>
        <source>問題と答えの入れ替え(&amp;A)...</source>
        <translation>Swap Questions and &amp;Answers...</translation>
    </message>
</context>
<context>
    <name>CLSComparisonPageWidget</name>
    <message>
        <source>文字列比較</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>データファイルの設定を使用する(&amp;D)</source>
        <translation>Use the &amp;data file&apos;s settings</translation>
    </message>
    <message>
        <source>大文字小文字の区別をしない(&amp;C)</source>
        <translation>Ignore &amp;case</translation>
    </message>
    <message>
        <source>ひらがなカタカナの区別をしない(&amp;K)</source>
        <translation>Treat hiragana and &amp;katakana alike</translation>
    </message>
    <message>
        <source>全角半角の区別をしない(&amp;W)</source>
        <translation>Treat full-&amp;width and half-width alike</translation>
    </message>
    <message>
        <source>記号を無視する(&amp;S)</source>
        <translation>Ignore &amp;symbols</translation>
    </message>
    <message>
        <source>あいまい比較を行う(&amp;V)</source>
        <translation>Use &amp;fuzzy matching</translation>
    </message>
    <message>
        <source>あいまい設定(&amp;G)...</source>
        <translation>Fuzzy &amp;Matching...</translation>
    </message>
</context>
<context>
    <name>CLSCustomizePage</name>
    <message>
        <source>リセット(&amp;R)</source>
        <translation>&amp;Reset</translation>
    </message>
</context>
<context>
    <name>CLSCustomizeSheet</name>
    <message>
        <source>カスタマイズ</source>
        <translation>Customize</translation>
    </message>
    <message>
        <source>適用(&amp;A)</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>CLSDataFileLock</name>
    <message>
        <source>読み取り専用で開く(&amp;R)</source>
        <translation>Open &amp;Read-Only</translation>
    </message>
    <message>
        <source>そのまま開く(&amp;O)</source>
        <translation>&amp;Open Anyway</translation>
    </message>
</context>
<context>
    <name>CLSDesignPageWidget</name>
    <message>
        <source>デザインファイル (*.ini *.INI);;すべてのファイル (*)</source>
        <translation>Design files (*.ini *.INI);;All files (*)</translation>
    </message>
    <message>
        <source>デザイン</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>データファイルの設定を使用する(&amp;D)</source>
        <translation>Use the &amp;data file&apos;s settings</translation>
    </message>
    <message>
        <source>フォント(&amp;F)...</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>文字色(&amp;T)...</source>
        <translation>&amp;Text Color...</translation>
    </message>
    <message>
        <source>背景色(&amp;B)...</source>
        <translation>&amp;Background Color...</translation>
    </message>
    <message>
        <source>枠(&amp;A)</source>
        <translation>Bord&amp;er</translation>
    </message>
    <message>
        <source>幅(&amp;W)：</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>色(&amp;O)...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>パディング(&amp;P)：</source>
        <translation>&amp;Padding:</translation>
    </message>
    <message>
        <source>マージン(&amp;M)：</source>
        <translation>&amp;Margin:</translation>
    </message>
    <message>
        <source>デザインの読み込み(&amp;L)...</source>
        <translation>&amp;Load Design...</translation>
    </message>
    <message>
        <source>デザインの保存(&amp;S)...</source>
        <translation>&amp;Save Design...</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>デザインの読み込み</source>
        <translation>Load Design</translation>
    </message>
    <message>
        <source>デザインの保存</source>
        <translation>Save Design</translation>
    </message>
    <message>
        <source>デザインの項目</source>
        <translation>Design items</translation>
    </message>
</context>
<context>
    <name>CLSDesignPreview</name>
    <message>
        <source>グループ 1&#x3000;５４３２１ ○×○○×</source>
        <translation>Group 1&#x3000;５４３２１ ○×○○×</translation>
    </message>
    <message>
        <source>タイトル&#x3000;Title 1</source>
        <translation>Title&#x3000;Title 1</translation>
    </message>
    <message>
        <source>問題文の例&#x3000;Aa あア亜</source>
        <translation>Sample question&#x3000;Aa あア亜</translation>
    </message>
    <message>
        <source>ヒントの例&#x3000;Aa あア亜</source>
        <translation>Sample hint&#x3000;Aa あア亜</translation>
    </message>
    <message>
        <source>答えの例&#x3000;Aa あア亜</source>
        <translation>Sample answer&#x3000;Aa あア亜</translation>
    </message>
    <message>
        <source>コメントの例&#x3000;Aa あア亜</source>
        <translation>Sample comment&#x3000;Aa あア亜</translation>
    </message>
    <message>
        <source>選択肢</source>
        <translation>Choice</translation>
    </message>
</context>
<context>
    <name>CLSDlgAnswer</name>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>マーク(&amp;M)</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>正解にする(&amp;R)</source>
        <translation>Mark &amp;Right</translation>
    </message>
    <message>
        <source>不正解にする(&amp;W)</source>
        <translation>Mark &amp;Wrong</translation>
    </message>
    <message>
        <source>スキップ(&amp;S)</source>
        <translation>&amp;Skip</translation>
    </message>
    <message>
        <source>別解(&amp;O)...</source>
        <translation>&amp;Other Answers...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>別解</source>
        <translation>Other answers</translation>
    </message>
    <message>
        <source>もう一度(&amp;1)</source>
        <translation>Again (&amp;1)</translation>
    </message>
    <message>
        <source>正解(&amp;3)</source>
        <translation>Good (&amp;3)</translation>
    </message>
    <message>
        <source>難しい(&amp;2)</source>
        <translation>Hard (&amp;2)</translation>
    </message>
    <message>
        <source>簡単(&amp;4)</source>
        <translation>Easy (&amp;4)</translation>
    </message>
    <message>
        <source>正解！</source>
        <translation>Right!</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>正解</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>不正解</source>
        <translation>Wrong</translation>
    </message>
</context>
<context>
    <name>CLSDlgCount</name>
    <message>
        <source>回数指定</source>
        <translation>Number of Questions</translation>
    </message>
    <message>
        <source>回数(&amp;N)：</source>
        <translation>&amp;Number of questions:</translation>
    </message>
    <message>
        <source>一度出題した問題は出題しない(&amp;A)</source>
        <translation>Do not ask a question &amp;again</translation>
    </message>
    <message>
        <source>間違えた問題を出題する割合(&amp;W)</source>
        <translation>Share of &amp;wrong questions</translation>
    </message>
    <message>
        <source>少ない</source>
        <translation>Fewer</translation>
    </message>
    <message>
        <source>多い</source>
        <translation>More</translation>
    </message>
    <message>
        <source>値が有効範囲を超えています。</source>
        <translation>The value is out of range.</translation>
    </message>
</context>
<context>
    <name>CLSDlgDataInfo</name>
    <message>
        <source>データ情報</source>
        <translation>Data File Info</translation>
    </message>
    <message>
        <source>ファイル名：</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>ファイルバージョン(&amp;V)：</source>
        <translation>File &amp;version:</translation>
    </message>
    <message>
        <source>文字コード(&amp;C)：</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <source>行数：</source>
        <translation>Lines:</translation>
    </message>
    <message>
        <source>タイトル数：</source>
        <translation>Titles:</translation>
    </message>
    <message>
        <source>問題数：</source>
        <translation>Questions:</translation>
    </message>
    <message>
        <source>グループ(&amp;G)：</source>
        <translation>&amp;Groups:</translation>
    </message>
    <message>
        <source>グループ名</source>
        <translation>Group name</translation>
    </message>
    <message>
        <source>問題数</source>
        <translation>Questions</translation>
    </message>
</context>
<context>
    <name>CLSDlgExamLog</name>
    <message>
        <source>出題履歴</source>
        <translation>Exam History</translation>
    </message>
    <message>
        <source>日付順</source>
        <translation>By Date</translation>
    </message>
    <message>
        <source>ファイル順</source>
        <translation>By File</translation>
    </message>
    <message>
        <source>最初の履歴</source>
        <translation>First run</translation>
    </message>
    <message>
        <source>履歴の番号</source>
        <translation>Number of the run</translation>
    </message>
    <message>
        <source>最後の履歴</source>
        <translation>Last run</translation>
    </message>
    <message>
        <source>エディタで開く(&amp;E)</source>
        <translation>Open in &amp;Editor</translation>
    </message>
    <message>
        <source>時刻：</source>
        <translation>Started:</translation>
    </message>
    <message>
        <source>ファイル名：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>出題方法：</source>
        <translation>Method:</translation>
    </message>
    <message>
        <source>解答モード：</source>
        <translation>Answer mode:</translation>
    </message>
    <message>
        <source>正解率：</source>
        <translation>Accuracy:</translation>
    </message>
    <message>
        <source>所要時間：</source>
        <translation>Time taken:</translation>
    </message>
    <message>
        <source>再出題(&amp;R)...</source>
        <translation>&amp;Re-ask...</translation>
    </message>
    <message>
        <source>問題一覧(&amp;L)</source>
        <translation>Question &amp;List</translation>
    </message>
    <message>
        <source>グラフ(&amp;G)</source>
        <translation>&amp;Graphs</translation>
    </message>
    <message>
        <source>復習(&amp;V)</source>
        <translation>Re&amp;view</translation>
    </message>
    <message>
        <source>よく間違える問題(&amp;M)</source>
        <translation>Often &amp;Missed</translation>
    </message>
    <message>
        <source>読み込み中...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>解析中... %1%</source>
        <translation>Analysing... %1%</translation>
    </message>
    <message>
        <source>解析中... 0%</source>
        <translation>Analysing... 0%</translation>
    </message>
    <message>
        <source>解析中...</source>
        <translation>Analysing...</translation>
    </message>
    <message>
        <source>(1～%1)</source>
        <translation>(1–%1)</translation>
    </message>
    <message>
        <source>出題履歴はまだありません。学習を終えると記録されます。</source>
        <translation>There is no exam history yet. A run is recorded when it ends.</translation>
    </message>
    <message>
        <source>出題履歴のファイル %1 を開けるプログラムが見つかりません。</source>
        <translation>No program was found to open the exam history file %1.</translation>
    </message>
    <message>
        <source>出題する問題はありません。</source>
        <translation>There are no questions to ask.</translation>
    </message>
    <message>
        <source>出題した問題</source>
        <translation>Questions asked</translation>
    </message>
</context>
<context>
    <name>CLSDlgExport</name>
    <message>
        <source>エクスポート</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>ファイル名(&amp;F)：</source>
        <translation>&amp;File name:</translation>
    </message>
    <message>
        <source>参照(&amp;B)...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>形式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>カンマ区切り(&amp;C)</source>
        <translation>&amp;Comma-separated</translation>
    </message>
    <message>
        <source>Tab区切り(&amp;T)</source>
        <translation>&amp;Tab-separated</translation>
    </message>
    <message>
        <source>文字コード(&amp;D)：</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <source>ヒントも出力する(&amp;H)</source>
        <translation>Export &amp;hints too</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ファイル名を入力してください。</source>
        <translation>Please enter a file name.</translation>
    </message>
    <message>
        <source>ファイルは既に存在します。上書きしますか？</source>
        <translation>The file already exists. Do you want to overwrite it?</translation>
    </message>
</context>
<context>
    <name>CLSDlgFind</name>
    <message>
        <source>検索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>検索する文字列(&amp;N)：</source>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>前へ(&amp;U)</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>次へ(&amp;D)</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>大文字・小文字やアクセントを区別しない(&amp;I)</source>
        <translation>&amp;Ignore case and accents</translation>
    </message>
    <message>
        <source>検索(&amp;F)</source>
        <translation>&amp;Find Next</translation>
    </message>
    <message>
        <source>検索対象(&amp;T)...</source>
        <translation>&amp;Targets...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>検索対象</source>
        <translation>Find In</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Titles</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>選択肢</source>
        <translation>Choices</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>検索を終了しました。</source>
        <translation>The search is finished.</translation>
    </message>
</context>
<context>
    <name>CLSDlgImport</name>
    <message>
        <source>,  &lt;半角カンマ&gt;</source>
        <translation>,  &lt;comma&gt;</translation>
    </message>
    <message>
        <source>   &lt;タブ&gt;</source>
        <translation>   &lt;tab&gt;</translation>
    </message>
    <message>
        <source>   &lt;空白&gt;</source>
        <translation>   &lt;space&gt;</translation>
    </message>
    <message>
        <source>  &lt;ファイルの指定&gt;</source>
        <translation>  &lt;from the file&gt;</translation>
    </message>
    <message>
        <source>インポート</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>プレビュー(&amp;P)：列の見出しをクリック（または Shift+F10）して読み込む項目を選びます</source>
        <translation>&amp;Preview: click a column heading (or press Shift+F10) to choose what the column is imported as</translation>
    </message>
    <message>
        <source>ファイル名：</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>区切り文字(&amp;S)：</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>文字コード(&amp;D)：</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <source>1行目をヘッダと見なす（1行目を飛ばす）</source>
        <translation>The first line is a header (skip it)</translation>
    </message>
    <message>
        <source>HTMLのタグを取り除く(&amp;M)</source>
        <translation>Re&amp;move HTML tags</translation>
    </message>
    <message>
        <source>読み込む</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>ファイルを開けません。</source>
        <translation>Cannot open the file.</translation>
    </message>
    <message>
        <source>読み込めるレコードがありません。</source>
        <translation>There are no records to import.</translation>
    </message>
    <message>
        <source>先頭の%1件を表示しています（読み込むときはすべてのレコードを読み込みます）。</source>
        <translation>Showing the first %1 records (the import reads all of them).</translation>
    </message>
    <message>
        <source>先頭の%1列を表示しています。</source>
        <translation>Showing the first %1 columns.</translation>
    </message>
    <message>
        <source>長い項目は途中までを表示しています。</source>
        <translation>Long fields are shown cut short.</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(None)</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv);;テキストファイル (*.txt);;すべてのファイル (*)</source>
        <translation>CSV files (*.csv);;Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>CLSDlgList</name>
    <message>
        <source>問題カード</source>
        <translation>Question Card</translation>
    </message>
    <message>
        <source>問題番号を入力します</source>
        <translation>Type the number of a question</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>別解(&amp;O)...</source>
        <translation>&amp;Other Answers...</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>検索(&amp;F)...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>復習をリセット</source>
        <translation>Reset Review</translation>
    </message>
    <message>
        <source>この問題の復習の予定を消して、新しい問題に戻します</source>
        <translation>Clear this question&apos;s review schedule and make it a new question again</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>問題のグループ</source>
        <translation>The question&apos;s group</translation>
    </message>
    <message>
        <source>問題の正誤履歴</source>
        <translation>The question&apos;s right/wrong history</translation>
    </message>
    <message>
        <source>復習の予定</source>
        <translation>Review schedule</translation>
    </message>
    <message>
        <source>マーク(&amp;M)</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>この問題の復習の予定を消して、新しい問題に戻しますか？</source>
        <translation>Clear this question&apos;s review schedule and make it a new question again?</translation>
    </message>
    <message>
        <source>問題と答えの区切り</source>
        <translation>Divider between question and answers</translation>
    </message>
    <message>
        <source>答えとコメントの区切り</source>
        <translation>Divider between answers and comment</translation>
    </message>
    <message>
        <source>問題番号</source>
        <translation>Question number</translation>
    </message>
</context>
<context>
    <name>CLSDlgOtherAnswer</name>
    <message>
        <source>別解</source>
        <translation>Other Answers</translation>
    </message>
</context>
<context>
    <name>CLSDlgPreview</name>
    <message>
        <source>印刷プレビュー</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>用紙(&amp;S)...</source>
        <translation>Page &amp;Setup...</translation>
    </message>
    <message>
        <source>前のページ(&amp;B)</source>
        <translation>Pre&amp;vious Page</translation>
    </message>
    <message>
        <source>次のページ(&amp;N)</source>
        <translation>&amp;Next Page</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>ページ番号</source>
        <translation>Page number</translation>
    </message>
    <message>
        <source>%1 / %2 ページ</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
</context>
<context>
    <name>CLSDlgPrintFonts</name>
    <message>
        <source>フォントの指定</source>
        <translation>Choose Font</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>タイトル番号</source>
        <translation>Title number</translation>
    </message>
    <message>
        <source>問題番号</source>
        <translation>Question number</translation>
    </message>
    <message>
        <source>問題番号(答え)</source>
        <translation>Question number (answers)</translation>
    </message>
    <message>
        <source>印刷フォント</source>
        <translation>Print Fonts</translation>
    </message>
    <message>
        <source>フォント(&amp;F)...</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>文字色(&amp;T)...</source>
        <translation>&amp;Text Color...</translation>
    </message>
    <message>
        <source>背景色(&amp;B)...</source>
        <translation>&amp;Background Color...</translation>
    </message>
    <message>
        <source>サンプル Aa あア亜</source>
        <translation>Sample Aa あア亜</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Items</translation>
    </message>
</context>
<context>
    <name>CLSDlgPrintProgress</name>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>の</source>
        <translation>:</translation>
    </message>
    <message>
        <source>ページ目を</source>
        <translation>page</translation>
    </message>
    <message>
        <source>印刷中</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ページを数えています...</source>
        <translation>Counting pages...</translation>
    </message>
</context>
<context>
    <name>CLSDlgPrintSettings</name>
    <message>
        <source>印刷設定</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>印刷する内容</source>
        <translation>What to print</translation>
    </message>
    <message>
        <source>区切り線</source>
        <translation>Separator lines</translation>
    </message>
    <message>
        <source>区切り線の余白(&amp;O)：</source>
        <translation>Space ar&amp;ound separator lines:</translation>
    </message>
    <message>
        <source>フォント・画像の拡縮率(&amp;R)：</source>
        <translation>Font and pictu&amp;re scale:</translation>
    </message>
    <message>
        <source>用紙(&amp;P)...</source>
        <translation>&amp;Page Setup...</translation>
    </message>
    <message>
        <source>フォント(&amp;F)...</source>
        <translation>&amp;Fonts...</translation>
    </message>
    <message>
        <source>タイトルを印刷する(&amp;T)</source>
        <translation>Print &amp;titles</translation>
    </message>
    <message>
        <source>問題を印刷する(&amp;Q)</source>
        <translation>Print &amp;questions</translation>
    </message>
    <message>
        <source>答えを印刷する(&amp;A)</source>
        <translation>Print &amp;answers</translation>
    </message>
    <message>
        <source>タイトル番号を印刷(&amp;B)</source>
        <translation>Print title num&amp;bers</translation>
    </message>
    <message>
        <source>問題番号を印刷(&amp;C)</source>
        <translation>Print question n&amp;umbers</translation>
    </message>
    <message>
        <source>問題番号を印刷(&amp;D)</source>
        <translation>Print question numbers with th&amp;em</translation>
    </message>
    <message>
        <source>用紙幅に対する問題の幅の割合(&amp;W)：</source>
        <translation>Question &amp;width as a share of the paper width:</translation>
    </message>
    <message>
        <source>ページ番号を印刷する(&amp;N)</source>
        <translation>Print page &amp;numbers</translation>
    </message>
    <message>
        <source>解答欄を空欄にする（テスト用紙）(&amp;S)</source>
        <translation>Leave the answers blank (te&amp;st sheet)</translation>
    </message>
    <message>
        <source>タイトル～問題間(&amp;G)：</source>
        <translation>Tit&amp;le and question:</translation>
    </message>
    <message>
        <source>問題～問題間(&amp;J)：</source>
        <translation>Question an&amp;d question:</translation>
    </message>
    <message>
        <source>問題～答え間(&amp;L)：</source>
        <translation>Quest&amp;ion and answer:</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>CLSDlgRange</name>
    <message>
        <source>出題範囲指定</source>
        <translation>Question Range</translation>
    </message>
    <message>
        <source>開始番号(&amp;B)：</source>
        <translation>&amp;Begin at:</translation>
    </message>
    <message>
        <source>終了番号(&amp;E)：</source>
        <translation>&amp;End at:</translation>
    </message>
    <message>
        <source>問題番号で指定(&amp;Q)</source>
        <translation>By &amp;question number</translation>
    </message>
    <message>
        <source>タイトル番号で指定(&amp;T)</source>
        <translation>By &amp;title number</translation>
    </message>
    <message>
        <source>グループ(&amp;G)</source>
        <translation>&amp;Groups</translation>
    </message>
    <message>
        <source>マーク</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>マーク設定は無視する(&amp;I)</source>
        <translation>&amp;Ignore the marks</translation>
    </message>
    <message>
        <source>マークされた問題を出題する(&amp;M)</source>
        <translation>Ask only the &amp;marked questions</translation>
    </message>
    <message>
        <source>マークされた問題は除外する(&amp;X)</source>
        <translation>E&amp;xclude the marked questions</translation>
    </message>
    <message>
        <source>出題対象の問題：</source>
        <translation>Questions to ask:</translation>
    </message>
    <message>
        <source>全範囲(&amp;D)</source>
        <translation>&amp;Whole Range</translation>
    </message>
    <message>
        <source>値が有効範囲を超えています。</source>
        <translation>The value is out of range.</translation>
    </message>
    <message>
        <source>グループ</source>
        <translation>Groups</translation>
    </message>
</context>
<context>
    <name>CLSDlgReaskMenu</name>
    <message>
        <source>再出題メニュー</source>
        <translation>Re-ask</translation>
    </message>
    <message>
        <source>間違えた問題を再出題する(&amp;T)</source>
        <translation>Re-ask the &amp;wrong questions</translation>
    </message>
    <message>
        <source>すべての問題を再出題する(&amp;A)</source>
        <translation>Re-ask &amp;all questions</translation>
    </message>
    <message>
        <source>選択された問題を再出題する(&amp;S)</source>
        <translation>Re-ask the &amp;selected questions</translation>
    </message>
    <message>
        <source>ランダムに出題(&amp;R)</source>
        <translation>In &amp;random order</translation>
    </message>
</context>
<context>
    <name>CLSDlgResult</name>
    <message>
        <source>結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>出題数：</source>
        <translation>Asked:</translation>
    </message>
    <message>
        <source>解答数：</source>
        <translation>Answered:</translation>
    </message>
    <message>
        <source>正解数：</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>正解率：</source>
        <translation>Accuracy:</translation>
    </message>
    <message>
        <source>所要時間：</source>
        <translation>Time taken:</translation>
    </message>
    <message>
        <source>間違えた問題を再出題する(&amp;T)</source>
        <translation>Re-ask the &amp;wrong questions</translation>
    </message>
    <message>
        <source>ランダムに出題(&amp;R)</source>
        <translation>In &amp;random order</translation>
    </message>
    <message>
        <source>再出題(&amp;A)</source>
        <translation>Re-&amp;ask</translation>
    </message>
    <message>
        <source>閉じる(&amp;X)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>表示(&amp;I)...</source>
        <translation>&amp;Show...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>結果の一覧</source>
        <translation>Results</translation>
    </message>
</context>
<context>
    <name>CLSDlgSelectWhere</name>
    <message>
        <source>条件選択</source>
        <translation>Select by Condition</translation>
    </message>
    <message>
        <source>範囲</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>行番号で指定</source>
        <translation>By line number</translation>
    </message>
    <message>
        <source>問題番号で指定</source>
        <translation>By question number</translation>
    </message>
    <message>
        <source>タイトル番号で指定</source>
        <translation>By title number</translation>
    </message>
    <message>
        <source>開始(&amp;F)：</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>終了(&amp;T)：</source>
        <translation>&amp;To:</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>グループ(&amp;G)</source>
        <translation>&amp;Group</translation>
    </message>
    <message>
        <source>文字列(&amp;S)</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>マーク(&amp;M)</source>
        <translation>&amp;Mark</translation>
    </message>
    <message>
        <source>（すべてのグループ）</source>
        <translation>(all groups)</translation>
    </message>
    <message>
        <source>検索条件(&amp;C)...</source>
        <translation>Sear&amp;ch In...</translation>
    </message>
    <message>
        <source>マークがついている問題</source>
        <translation>Marked questions</translation>
    </message>
    <message>
        <source>マークがついていない問題</source>
        <translation>Unmarked questions</translation>
    </message>
    <message>
        <source>選択方法</source>
        <translation>How to select</translation>
    </message>
    <message>
        <source>新規選択(&amp;N)</source>
        <translation>&amp;New selection</translation>
    </message>
    <message>
        <source>追加選択(&amp;A)</source>
        <translation>&amp;Add to the selection</translation>
    </message>
    <message>
        <source>選択解除(&amp;R)</source>
        <translation>&amp;Remove from the selection</translation>
    </message>
</context>
<context>
    <name>CLSDlgVague</name>
    <message>
        <source>あいまい設定</source>
        <translation>Fuzzy Matching</translation>
    </message>
    <message>
        <source>文字列１</source>
        <translation>Text 1</translation>
    </message>
    <message>
        <source>文字列２</source>
        <translation>Text 2</translation>
    </message>
    <message>
        <source>文字列１(&amp;1)</source>
        <translation>Text &amp;1</translation>
    </message>
    <message>
        <source>文字列２(&amp;2)</source>
        <translation>Text &amp;2</translation>
    </message>
    <message>
        <source>追加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>リセット(&amp;R)</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>同じとみなす文字列</source>
        <translation>Strings taken as the same</translation>
    </message>
</context>
<context>
    <name>CLSEditorDialogs</name>
    <message>
        <source>グループ名編集</source>
        <translation>Edit Group Names</translation>
    </message>
    <message>
        <source>グループ%1</source>
        <translation>Group %1</translation>
    </message>
    <message>
        <source>メッセージ編集</source>
        <translation>Edit Message</translation>
    </message>
    <message>
        <source>メッセージ(&amp;M)</source>
        <translation>&amp;Message</translation>
    </message>
</context>
<context>
    <name>CLSEditorScreen</name>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>行の削除</source>
        <translation>Delete Lines</translation>
    </message>
    <message>
        <source>問題の並べ替え</source>
        <translation>Sort Questions</translation>
    </message>
    <message>
        <source>行の追加</source>
        <translation>Add Line</translation>
    </message>
    <message>
        <source>行の挿入</source>
        <translation>Insert Line</translation>
    </message>
    <message>
        <source>クリップボードから読み取れません。</source>
        <translation>Cannot read the clipboard.</translation>
    </message>
    <message>
        <source>行の移動</source>
        <translation>Move Lines</translation>
    </message>
    <message>
        <source>マークをつける</source>
        <translation>Set Marks</translation>
    </message>
    <message>
        <source>マークをはずす</source>
        <translation>Clear Marks</translation>
    </message>
    <message>
        <source>グループ名の編集</source>
        <translation>Edit Group Names</translation>
    </message>
    <message>
        <source>メッセージの編集</source>
        <translation>Edit Message</translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>相対パスにしますか？</source>
        <translation>Use a relative path?</translation>
    </message>
    <message>
        <source>カード挿入(&amp;I)</source>
        <translation>&amp;Insert Card</translation>
    </message>
    <message>
        <source>ヘルプを見るには F1 キーを押してください。</source>
        <translation>Press F1 for help.</translation>
    </message>
    <message>
        <source>カードの編集</source>
        <translation>Edit Card</translation>
    </message>
    <message>
        <source>問題が選択されていません。</source>
        <translation>No questions are selected.</translation>
    </message>
    <message>
        <source>グループ変更</source>
        <translation>Change Group</translation>
    </message>
    <message>
        <source>選択されている問題の正誤履歴をクリアします。よろしいですか？</source>
        <translation>This clears the right/wrong history of the selected questions. Continue?</translation>
    </message>
    <message>
        <source>正誤履歴のクリア</source>
        <translation>Clear Right/Wrong History</translation>
    </message>
    <message>
        <source>問題と答えの入れ替え</source>
        <translation>Swap Questions and Answers</translation>
    </message>
    <message>
        <source>画像ファイル (*.bmp *.png *.jpg *.gif);;サウンドファイル (*.wav *.mp3 *.mid *.au);;ビデオファイル (*.avi *.mpg);;すべてのファイル (*)</source>
        <translation>Image files (*.bmp *.png *.jpg *.gif);;Sound files (*.wav *.mp3 *.mid *.au);;Video files (*.avi *.mpg);;All files (*)</translation>
    </message>
    <message>
        <source>行の一覧</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>一覧とカードの区切り</source>
        <translation>Divider between list and card</translation>
    </message>
</context>
<context>
    <name>CLSExamLogCharts</name>
    <message>
        <source>正解率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>出題数</source>
        <translation>Questions asked</translation>
    </message>
    <message>
        <source>正解率の推移 (%)</source>
        <translation>Accuracy over time (%)</translation>
    </message>
    <message>
        <source>表示中の出題</source>
        <translation>Run shown</translation>
    </message>
    <message>
        <source>日ごとの出題数</source>
        <translation>Questions asked per day</translation>
    </message>
    <message>
        <source>ファイル：</source>
        <translation>File: </translation>
    </message>
</context>
<context>
    <name>CLSExamLogRowModel</name>
    <message>
        <source>順番</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>問題番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>正誤</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>所要時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>グループ</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
</context>
<context>
    <name>CLSGeneralPageWidget</name>
    <message>
        <source>自動 (システムの言語)</source>
        <translation>Automatic (system language)</translation>
    </message>
    <message>
        <source>表示言語(&amp;I)：</source>
        <translation>&amp;Interface language:</translation>
    </message>
    <message>
        <source>表示言語の変更は、次に起動したときから有効になります。</source>
        <translation>A new interface language takes effect the next time Vorel starts.</translation>
    </message>
    <message>
        <source>一般</source>
        <translation>General</translation>
    </message>
    <message>
        <source>起動時に，前回最後に使用したファイルを読み込む(&amp;L)</source>
        <translation>&amp;Load the last used file at start-up</translation>
    </message>
    <message>
        <source>出題履歴一覧を保存する(&amp;S)</source>
        <translation>&amp;Save the exam history</translation>
    </message>
    <message>
        <source>ファイル名(&amp;N)：</source>
        <translation>File &amp;name:</translation>
    </message>
    <message>
        <source>参照(&amp;E)...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>出題履歴最大サイズ(&amp;M)：</source>
        <translation>&amp;Maximum size of the exam history:</translation>
    </message>
    <message>
        <source>デバッグモードで起動する(&amp;D)</source>
        <translation>Start in &amp;debug mode</translation>
    </message>
    <message>
        <source>問題毎に保存する正誤履歴の最大数(&amp;H)：</source>
        <translation>Right/wrong &amp;history entries kept per question:</translation>
    </message>
    <message>
        <source>出題履歴一覧</source>
        <translation>Exam History</translation>
    </message>
    <message>
        <source>テキストファイル (*.txt *.TXT)</source>
        <translation>Text files (*.txt *.TXT)</translation>
    </message>
</context>
<context>
    <name>CLSImportPreviewModel</name>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>グループ</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>%1列目: クリックすると読み込む項目を選べます</source>
        <translation>Column %1: click to choose what it is imported as</translation>
    </message>
</context>
<context>
    <name>CLSLineListModel</name>
    <message>
        <source>行</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>データ</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>CLSMainWindow</name>
    <message>
        <source>Vorelデータファイル (*.vrf);;すべてのファイル (*)</source>
        <translation>Vorel data files (*.vrf);;All files (*)</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Vorel</translation>
    </message>
    <message>
        <source>バージョン %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;%1&quot;&gt;設定フォルダを開く&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;%1&quot;&gt;Open the settings folder&lt;/a&gt;</translation>
    </message>
    <message>
        <source>ツールバー</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>ファイル履歴がありません</source>
        <translation>No recent files</translation>
    </message>
    <message>
        <source>ヘルプを見るには F1 キーを押してください。</source>
        <translation>Press F1 for help.</translation>
    </message>
    <message>
        <source>読み込み中...</source>
        <translation>Loading...</translation>
    </message>
</context>
<context>
    <name>CLSMissedQuestionsPage</name>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>復習</source>
        <translation>Reviews</translation>
    </message>
    <message>
        <source>出題</source>
        <translation>Runs</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>問題番号</source>
        <translation>The question&apos;s number</translation>
    </message>
    <message>
        <source>間違えた回数の合計</source>
        <translation>Times missed in all</translation>
    </message>
    <message>
        <source>復習で「もう一度」にした回数</source>
        <translation>Times graded “Again” in reviews</translation>
    </message>
    <message>
        <source>出題で間違えた回数（出題履歴から）</source>
        <translation>Times answered wrong in runs (from the exam history)</translation>
    </message>
    <message>
        <source>問題文</source>
        <translation>The question</translation>
    </message>
    <message>
        <source>よく間違える問題</source>
        <translation>Often missed questions</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>選んだ問題を再出題(&amp;Q)</source>
        <translation>Re-ask the Chosen &amp;Questions</translation>
    </message>
    <message>
        <source>このファイルで、復習で「もう一度」にした回数と出題で間違えた回数の多い問題です。選んで再出題できます。</source>
        <translation>The questions of this file most often graded “Again” in reviews or answered wrong in runs. Choose some to ask them again.</translation>
    </message>
    <message>
        <source>このファイルで間違えた問題はまだありません。</source>
        <translation>No question of this file has been missed yet.</translation>
    </message>
    <message>
        <source>問題がありません。</source>
        <translation>There are no questions.</translation>
    </message>
</context>
<context>
    <name>CLSOpeningPanel</name>
    <message>
        <source>ファイル名：</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>総問題数：</source>
        <translation>Questions:</translation>
    </message>
    <message>
        <source>メッセージ：</source>
        <translation>Message:</translation>
    </message>
</context>
<context>
    <name>CLSPrinterSetup</name>
    <message>
        <source>プリンタを取得できません。</source>
        <translation>Cannot get a printer.</translation>
    </message>
</context>
<context>
    <name>CLSQuestionPageWidget</name>
    <message>
        <source>問題</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>データファイルの設定を使用する(&amp;D)</source>
        <translation>Use the &amp;data file&apos;s settings</translation>
    </message>
    <message>
        <source>自動(&amp;E)</source>
        <translation>A&amp;utomatic</translation>
    </message>
    <message>
        <source>自動(&amp;H)</source>
        <translation>Aut&amp;omatic</translation>
    </message>
    <message>
        <source>タイトル～タイトル内から選ぶ(&amp;T)</source>
        <translation>Choose from the same &amp;title</translation>
    </message>
    <message>
        <source>同一グループ内から選ぶ(&amp;G)</source>
        <translation>Choose from the same &amp;group</translation>
    </message>
    <message>
        <source>選択肢を中央揃えにする(&amp;F)</source>
        <translation>C&amp;enter the choices</translation>
    </message>
    <message>
        <source>選択肢</source>
        <translation>Choices</translation>
    </message>
    <message>
        <source>選択肢モードにしたときの選択肢の数(&amp;C)：</source>
        <translation>Number of &amp;choices in choice mode:</translation>
    </message>
    <message>
        <source>一行に表示する選択肢の数(&amp;N)：</source>
        <translation>Choices per li&amp;ne:</translation>
    </message>
    <message>
        <source>選択肢ボタンの高さ(&amp;B)：</source>
        <translation>Choice &amp;button height:</translation>
    </message>
    <message>
        <source>行</source>
        <translation>lines</translation>
    </message>
    <message>
        <source>答え入力欄の高さ(&amp;I)：</source>
        <translation>Height of the answer &amp;input field:</translation>
    </message>
    <message>
        <source>制限時間(&amp;M)：</source>
        <translation>Ti&amp;me limit:</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>表示時間(&amp;V)：</source>
        <translation>&amp;View time:</translation>
    </message>
    <message>
        <source>解答開始時間(&amp;S)：</source>
        <translation>Answering &amp;starts after:</translation>
    </message>
    <message>
        <source>行間(&amp;L)：</source>
        <translation>&amp;Line spacing:</translation>
    </message>
</context>
<context>
    <name>CLSQuestionToolDialogs</name>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>グループ番号</source>
        <translation>Group number</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>昇順</source>
        <translation>Ascending</translation>
    </message>
    <message>
        <source>降順</source>
        <translation>Descending</translation>
    </message>
    <message>
        <source>問題の並べ替え</source>
        <translation>Sort Questions</translation>
    </message>
    <message>
        <source>グループ変更</source>
        <translation>Change Group</translation>
    </message>
    <message>
        <source>新しいグループ(&amp;G)：</source>
        <translation>New &amp;group:</translation>
    </message>
    <message>
        <source>問題と答えの入れ替え</source>
        <translation>Swap Questions and Answers</translation>
    </message>
    <message>
        <source>入れ替えた問題</source>
        <translation>The swapped questions</translation>
    </message>
    <message>
        <source>データの最後に追加(&amp;A)</source>
        <translation>&amp;Add them at the end of the data</translation>
    </message>
    <message>
        <source>元の問題に上書き(&amp;O)</source>
        <translation>&amp;Overwrite the original questions</translation>
    </message>
    <message>
        <source>ヒントをコピー(&amp;H)</source>
        <translation>Copy &amp;hints</translation>
    </message>
    <message>
        <source>コメントをコピー(&amp;C)</source>
        <translation>Copy &amp;comments</translation>
    </message>
    <message>
        <source>コピーする</source>
        <translation>Keep the same group</translation>
    </message>
    <message>
        <source>%1に変更</source>
        <translation>Change to %1</translation>
    </message>
    <message>
        <source>グループ(&amp;G)：</source>
        <translation>&amp;Group:</translation>
    </message>
    <message>
        <source>第1キー(&amp;1)：</source>
        <translation>Key &amp;1:</translation>
    </message>
    <message>
        <source>第2キー(&amp;2)：</source>
        <translation>Key &amp;2:</translation>
    </message>
</context>
<context>
    <name>CLSResultListModel</name>
    <message>
        <source>順番</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>正誤</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>所要時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>問題</source>
        <translation>Question</translation>
    </message>
</context>
<context>
    <name>CLSReviewPageWidget</name>
    <message>
        <source>復習</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>1m (分)、1h (時間)、1d (日) をスペースで区切って並べます。</source>
        <translation>Steps separated by spaces: 1m (minutes), 1h (hours), 1d (days).</translation>
    </message>
    <message>
        <source>ヒントを見て正解したときは「難しい」にする(&amp;H)</source>
        <translation>Grade as “Hard” when right after a &amp;hint</translation>
    </message>
    <message>
        <source>早く正解したときは「簡単」にする(&amp;Y)：</source>
        <translation>Grade as “Eas&amp;y” when right within</translation>
    </message>
    <message>
        <source>確認モードでは4つのボタンで評価する(&amp;F)</source>
        <translation>Grade with &amp;four buttons in check mode</translation>
    </message>
    <message>
        <source>既定</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>自分の復習に合わせたもの</source>
        <translation>Fitted to my reviews</translation>
    </message>
    <message>
        <source>自分の復習に合わせる(&amp;O)...</source>
        <translation>Fit t&amp;o My Reviews...</translation>
    </message>
    <message>
        <source>目標の記憶率(&amp;T)：</source>
        <translation>Desired re&amp;tention:</translation>
    </message>
    <message>
        <source>1日の新しい問題の数(&amp;N)：</source>
        <translation>&amp;New questions per day:</translation>
    </message>
    <message>
        <source>問</source>
        <translation>questions</translation>
    </message>
    <message>
        <source>1日の復習の数(&amp;V)：</source>
        <translation>Re&amp;views per day:</translation>
    </message>
    <message>
        <source>最大の間隔(&amp;M)：</source>
        <translation>&amp;Maximum interval:</translation>
    </message>
    <message>
        <source>日</source>
        <translation>days</translation>
    </message>
    <message>
        <source>学習ステップ(&amp;L)：</source>
        <translation>&amp;Learning steps:</translation>
    </message>
    <message>
        <source>再学習ステップ(&amp;E)：</source>
        <translation>R&amp;elearning steps:</translation>
    </message>
    <message>
        <source>1日の始まり(&amp;D)：</source>
        <translation>&amp;Day starts at:</translation>
    </message>
    <message>
        <source>時</source>
        <translation>o&apos;clock</translation>
    </message>
    <message>
        <source>評価</source>
        <translation>Grading</translation>
    </message>
    <message>
        <source>秒以内</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>記憶モデルのパラメーター(&amp;P)：</source>
        <translation>Memory model &amp;parameters:</translation>
    </message>
    <message>
        <source>記録された復習: %1件</source>
        <translation>Reviews recorded: %1</translation>
    </message>
    <message>
        <source> (%1件から合わせられます)</source>
        <translation> (a fit needs %1)</translation>
    </message>
</context>
<context>
    <name>CLSReviewStatsPage</name>
    <message>
        <source>日付</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>今日</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>問題数</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>今後30日の復習予定</source>
        <translation>Reviews due in the next 30 days</translation>
    </message>
    <message>
        <source>状態ごとの問題数</source>
        <translation>Questions by state</translation>
    </message>
    <message>
        <source>再学習</source>
        <translation>Relearning</translation>
    </message>
    <message>
        <source>復習</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>学習中</source>
        <translation>Learning</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>週ごとの正解率</source>
        <translation>Accuracy by week</translation>
    </message>
    <message>
        <source>正解率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>目標の正解率</source>
        <translation>Target accuracy</translation>
    </message>
    <message>
        <source>週</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>正解率 (%)</source>
        <translation>Accuracy (%)</translation>
    </message>
    <message>
        <source>分</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>日ごとの学習時間（過去30日）</source>
        <translation>Study time per day (last 30 days)</translation>
    </message>
    <message>
        <source>問題がありません。データファイルを開くと、その復習の予定が表示されます。</source>
        <translation>There are no questions. Open a data file to see its review schedule.</translation>
    </message>
    <message>
        <source>このファイルにはまだ復習した問題がありません。</source>
        <translation>No question of this file has been reviewed yet.</translation>
    </message>
    <message>
        <source>（正解率と学習時間は表示できません）</source>
        <translation> (accuracy and study time cannot be shown)</translation>
    </message>
    <message>
        <source>復習の記録はまだありません。</source>
        <translation>The review log has no reviews yet.</translation>
    </message>
    <message>
        <source>週ごとの正解率（目標%1%）</source>
        <translation>Accuracy by week (target %1%)</translation>
    </message>
    <message>
        <source>復習の統計</source>
        <translation>Review statistics</translation>
    </message>
</context>
<context>
    <name>CLSSentenceAccessible</name>
    <message>
        <source>%1. %2</source>
        <extracomment>A choice button as a screen reader reads it: its number, then its text.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>CLSSoundPageWidget</name>
    <message>
        <source>効果音</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>Play &amp;sounds</translation>
    </message>
    <message>
        <source>出題音</source>
        <translation>Question asked</translation>
    </message>
    <message>
        <source>正解音</source>
        <translation>Correct answer</translation>
    </message>
    <message>
        <source>誤答音</source>
        <translation>Wrong answer</translation>
    </message>
    <message>
        <source>結果音</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>参照(&amp;S)...</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>再生(&amp;P)</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>ファイルをこのページにドロップしても指定できます。</source>
        <translation>You can also drop a file on this page.</translation>
    </message>
    <message>
        <source>サウンドファイルを再生できません。

</source>
        <translation>Cannot play the sound file.

</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>サウンドファイル (*.wav *.WAV)</source>
        <translation>Sound files (*.wav *.WAV)</translation>
    </message>
    <message>
        <source>効果音のファイル</source>
        <translation>Sound file</translation>
    </message>
</context>
<context>
    <name>CLSStudyScreen</name>
    <message>
        <source>ヘルプを見るには F1 キーを押してください。</source>
        <translation>Press F1 for help.</translation>
    </message>
    <message>
        <source>中止しますか？</source>
        <translation>Stop the run?</translation>
    </message>
    <message>
        <source>今日復習する問題はありません。</source>
        <translation>No questions are due for review today.</translation>
    </message>
    <message>
        <source>今日復習する問題はありません。%1</source>
        <translation>No questions are due for review today. %1</translation>
    </message>
    <message>
        <source>復習には V3.0 のデータファイルが必要です。V3.0 に変換しますか？</source>
        <translation>Reviews need a data file of version 3.0. Convert the file to version 3.0?</translation>
    </message>
    <message>
        <source>復習の記録を開けません。</source>
        <translation>Cannot open the review log.</translation>
    </message>
    <message>
        <source>選択中...</source>
        <translation>Choosing...</translation>
    </message>
    <message>
        <source>問題%1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <source>正解%1</source>
        <translation>Right %1</translation>
    </message>
    <message>
        <source>誤答%1</source>
        <translation>Wrong %1</translation>
    </message>
    <message>
        <source>情報ペインの区切り</source>
        <translation>Information pane divider</translation>
    </message>
</context>
<context>
    <name>CLSWndHelp</name>
    <message>
        <source>Vorel ヘルプ</source>
        <translation>Vorel Help</translation>
    </message>
    <message>
        <source>ヘルプのページ</source>
        <translation>Help page</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>次を検索</source>
        <translation>Find Next</translation>
    </message>
    <message>
        <source>前を検索</source>
        <translation>Find Previous</translation>
    </message>
    <message>
        <source>ページ内を検索(&amp;S):</source>
        <translation>&amp;Search this page:</translation>
    </message>
    <message>
        <source>ページ内を検索する語</source>
        <translation>Text to find on the page</translation>
    </message>
    <message>
        <source>前へ(&amp;P)</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>次へ(&amp;N)</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>検索バーを閉じる</source>
        <translation>Close the find bar</translation>
    </message>
    <message>
        <source>検索の結果</source>
        <translation>Find result</translation>
    </message>
    <message>
        <source>見つかりません</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>ヘルプのページが見つかりません: </source>
        <translation>Help page not found: </translation>
    </message>
</context>
<context>
    <name>CLSWndHints</name>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>前のヒント</source>
        <translation>Previous hint</translation>
    </message>
    <message>
        <source>次のヒント</source>
        <translation>Next hint</translation>
    </message>
    <message>
        <source>ヒント %1: %2</source>
        <translation>Hint %1: %2</translation>
    </message>
</context>
<context>
    <name>CLSWndInfoPane</name>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>色の設定</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>ファイル %1 を読み込めません。</source>
        <translation>Cannot read the file %1.</translation>
    </message>
    <message>
        <source>ファイル %1 を開けません。</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>%1%2～%3内%4を%5します。</source>
        <translation>%5 %4 within %1 %2 to %3.</translation>
    </message>
    <message>
        <source>%1件目の%2列目: %3</source>
        <translation>Record %1, column %2: %3</translation>
    </message>
    <message>
        <source>%1件目の%2列目が長すぎるため、インポートできません（1項目 1 MB まで）。</source>
        <translation>Column %2 of record %1 is too long to import (a field may hold up to 1 MB).</translation>
    </message>
    <message>
        <source>%1分前</source>
        <translation>%1 min ago</translation>
    </message>
    <message>
        <source>%1日%2時間前</source>
        <translation>%1 d %2 h ago</translation>
    </message>
    <message>
        <source>%1時間%2分前</source>
        <translation>%1 h %2 min ago</translation>
    </message>
    <message>
        <source>%1行目</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>%1行目のデータが用紙に収まりません。</source>
        <translation>The data of line %1 does not fit on the paper.</translation>
    </message>
    <message>
        <source>(不明)</source>
        <translation>(unknown)</translation>
    </message>
    <message>
        <source>1 (一問一答)</source>
        <translation>1 (one answer)</translation>
    </message>
    <message>
        <source>1点鎖線</source>
        <translation>Dash-dot</translation>
    </message>
    <message>
        <source>2点鎖線</source>
        <translation>Dash-dot-dot</translation>
    </message>
    <message>
        <source>Shift-JIS で表せない文字があるため保存できません: %1

「データ情報」でファイルを UTF-8 にしてから保存してください。</source>
        <translation>Cannot save: Shift-JIS cannot hold these characters: %1

Make the file UTF-8 in “Data File Info”, then save it.</translation>
    </message>
    <message>
        <source>Shift-JIS のファイルには、Shift-JIS で表せない文字を入れられません。入力は取り消されました。</source>
        <translation>A Shift-JIS file cannot hold characters that Shift-JIS does not have. What you typed has been undone.</translation>
    </message>
    <message>
        <source>Shift_JIS (CP932) で表せない文字があります: %1

これらの文字を「?」に置き換えて書き出しますか？</source>
        <translation>Shift_JIS (CP932) cannot hold these characters: %1

Write them as “?”?</translation>
    </message>
    <message>
        <source>Shift_JIS (CP932) で表せない文字があります。
</source>
        <translation>Shift_JIS (CP932) cannot hold some characters.
</translation>
    </message>
    <message>
        <source>UTF-16 のテキストには対応していません。UTF-8 で保存し直してください。</source>
        <translation>UTF-16 text is not supported. Please save the file again as UTF-8.</translation>
    </message>
    <message>
        <source>UTF-8 にする(&amp;U)</source>
        <translation>Make It &amp;UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 にできるのは V3.0 のデータファイルだけです。先に V3.0 に変換してください。</source>
        <translation>Only V3.0 data files can be UTF-8. Please convert the file to V3.0 first.</translation>
    </message>
    <message>
        <source>UTF-8 のVorelデータファイルは V3.0 でなければなりません。</source>
        <translation>A UTF-8 Vorel data file must be V3.0.</translation>
    </message>
    <message>
        <source>Vorelデータファイルではありません。</source>
        <translation>This is not a Vorel data file.</translation>
    </message>
    <message>
        <source>

UTF-8 のデータファイルにすれば、これらの文字もそのまま読み込めます（UTF-8 のファイルは以前のバージョンのプログラムでは読めません）。</source>
        <translation>

A UTF-8 data file can hold these characters as they are (earlier versions of the program cannot read UTF-8 files).</translation>
    </message>
    <message>
        <source>

編集した内容は、他のプログラムによる変更と合わせることができません。</source>
        <translation>

Your edits cannot be merged with the changes made by the other program.</translation>
    </message>
    <message>
        <source>「?」に置き換える(&amp;R)</source>
        <translation>&amp;Replace with “?”</translation>
    </message>
    <message>
        <source>このVorelデータファイルは V3.0 より古いバージョンです。

V3.0 にすることで複数解答機能の追加，履歴情報の拡張等が可能になります。V3.0 に変換しますか？</source>
        <translation>This Vorel data file is older than V3.0.

As V3.0 it can have questions with several answers, a longer history and more. Convert it to V3.0?</translation>
    </message>
    <message>
        <source>このバージョンのVorelデータファイルには対応していません。</source>
        <translation>This version of Vorel data file is not supported.</translation>
    </message>
    <message>
        <source>このファイルは他の Vorel で開かれています（%1、%2、%3）。

別のコンピュータで開いたときのロックが、同期で運ばれてきたものかもしれません。</source>
        <translation>This file is open in another Vorel (on %1 since %2, %3).

The lock may have come with the file from another computer it was open on, through synchronization.</translation>
    </message>
    <message>
        <source>このファイルは他の Vorel で開かれています（%1、%2）。</source>
        <translation>This file is open in another Vorel (on %1 since %2).</translation>
    </message>
    <message>
        <source>で，「%1」を含む問題</source>
        <translation>the questions containing “%1”</translation>
    </message>
    <message>
        <source>で，グループ「%1」の問題</source>
        <translation>the questions of group “%1”</translation>
    </message>
    <message>
        <source>で，マークがついていない問題</source>
        <translation>the unmarked questions</translation>
    </message>
    <message>
        <source>で，マークがついている問題</source>
        <translation>the marked questions</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>のすべての問題</source>
        <translation>all questions</translation>
    </message>
    <message>
        <source>ほか %1 か所</source>
        <translation>and %1 more places</translation>
    </message>
    <message>
        <source>ほか %1 問</source>
        <translation>and %1 more questions</translation>
    </message>
    <message>
        <source>ほか %1 行</source>
        <translation>and %1 more lines</translation>
    </message>
    <message>
        <source>ほか %1</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>インポートできる問題がありません。</source>
        <translation>There are no questions to import.</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>グループ名・メッセージ: %1 (%2)</source>
        <translation>Group names and message: %1 (%2)</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>コメントフォント</source>
        <translation>Comment font</translation>
    </message>
    <message>
        <source>タイトル%1</source>
        <translation>Title %1</translation>
    </message>
    <message>
        <source>タイトルフォント</source>
        <translation>Title font</translation>
    </message>
    <message>
        <source>タイトル番号</source>
        <translation>title numbers</translation>
    </message>
    <message>
        <source>テキストファイルではありません。</source>
        <translation>This is not a text file.</translation>
    </message>
    <message>
        <source>ヒント%1</source>
        <translation>Hint %1</translation>
    </message>
    <message>
        <source>ヒントフォント</source>
        <translation>Hint font</translation>
    </message>
    <message>
        <source>ファイル「%1」は見つかりません。保存し直しますか？</source>
        <translation>The file “%1” cannot be found. Save it again?</translation>
    </message>
    <message>
        <source>ファイル「%1」は読み取り専用で開いているため保存できません。</source>
        <translation>The file “%1” is open read-only and cannot be saved.</translation>
    </message>
    <message>
        <source>ファイル「%1」は読み込んだ後に他のプログラムで変更されています。</source>
        <translation>The file “%1” has been changed by another program since it was read.</translation>
    </message>
    <message>
        <source>ファイルが空です。</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>ファイルを開けません。</source>
        <translation>Cannot open the file.</translation>
    </message>
    <message>
        <source>上書き(&amp;O)</source>
        <translation>&amp;Overwrite</translation>
    </message>
    <message>
        <source>下位バージョンに変更すると情報が失われます。続行しますか？</source>
        <translation>Changing to an earlier version loses information. Continue?</translation>
    </message>
    <message>
        <source>値が有効範囲を超えています。</source>
        <translation>The values are out of range.</translation>
    </message>
    <message>
        <source>制限時間</source>
        <translation>Time limit</translation>
    </message>
    <message>
        <source>制限時間(&amp;N)</source>
        <translation>Time &amp;limit</translation>
    </message>
    <message>
        <source>制限時間は 0 ～ 32767 の間で指定してください。</source>
        <translation>Please give a time limit from 0 to 32767.</translation>
    </message>
    <message>
        <source>印刷タイトルフォント</source>
        <translation>Print title font</translation>
    </message>
    <message>
        <source>印刷タイトル番号フォント</source>
        <translation>Print title number font</translation>
    </message>
    <message>
        <source>印刷問題フォント</source>
        <translation>Print question font</translation>
    </message>
    <message>
        <source>印刷問題番号フォント</source>
        <translation>Print question number font</translation>
    </message>
    <message>
        <source>印刷答えフォント</source>
        <translation>Print answer font</translation>
    </message>
    <message>
        <source>印刷答え番号フォント</source>
        <translation>Print answer number font</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>問題%1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <source>問題フォント</source>
        <translation>Question font</translation>
    </message>
    <message>
        <source>問題番号</source>
        <translation>question numbers</translation>
    </message>
    <message>
        <source>問題表示時間</source>
        <translation>Question show time</translation>
    </message>
    <message>
        <source>問題表示時間(&amp;N)</source>
        <translation>Question show &amp;time</translation>
    </message>
    <message>
        <source>問題表示時間は 0 ～ 32767 の間で指定してください。</source>
        <translation>Please give a question show time from 0 to 32767.</translation>
    </message>
    <message>
        <source>実線</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>展開した答えが 1 MiB を超えるため、答えがありません。</source>
        <translation>There are no answers: expanded, they would take more than 1 MiB.</translation>
    </message>
    <message>
        <source>括弧の入れ子が深すぎて展開できないため、答えがありません。</source>
        <translation>There are no answers: the brackets are nested too deeply to expand.</translation>
    </message>
    <message>
        <source>括弧の対応が取れていないため、答えがありません。</source>
        <translation>There are no answers: the brackets do not match.</translation>
    </message>
    <message>
        <source>新規ヒント</source>
        <translation>New hint</translation>
    </message>
    <message>
        <source>新規答え</source>
        <translation>New answer</translation>
    </message>
    <message>
        <source>新規選択</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>新規選択肢</source>
        <translation>New choice</translation>
    </message>
    <message>
        <source>次の問題は読み込み直したファイルに見つからないため、解答を反映できませんでした。
</source>
        <translation>These questions are not in the file as read again, so their answers could not be recorded:
</translation>
    </message>
    <message>
        <source>次の文字は Shift-JIS で表せないため、Shift-JIS に変換できません。</source>
        <translation>Shift-JIS cannot hold these characters, so the file cannot be converted to Shift-JIS.</translation>
    </message>
    <message>
        <source>次の文字は Shift-JIS で表せません: %1 (%2)

このファイルを UTF-8 にして、この文字を使いますか？
（UTF-8 のファイルは以前のバージョンのプログラムでは読めません。）</source>
        <translation>Shift-JIS cannot hold these characters: %1 (%2)

Make this file UTF-8 to use them?
(Earlier versions of the program cannot read UTF-8 files.)</translation>
    </message>
    <message>
        <source>次の行には Shift-JIS の文字でないバイトがあります。%1

UTF-8 にすると、これらのバイトは「�」になります。変換しますか？</source>
        <translation>These lines have bytes that are not Shift-JIS characters.%1

In UTF-8 these bytes become “�”. Convert the file?</translation>
    </message>
    <message>
        <source>点線</source>
        <translation>Dotted</translation>
    </message>
    <message>
        <source>破線</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>答え</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>答え%1</source>
        <translation>Answer %1</translation>
    </message>
    <message>
        <source>答えが 10000 個を超えるため、答えがありません。</source>
        <translation>There are no answers: there would be more than 10000.</translation>
    </message>
    <message>
        <source>答えフォント</source>
        <translation>Answer font</translation>
    </message>
    <message>
        <source>答え入力欄の高さ</source>
        <translation>Answer field height</translation>
    </message>
    <message>
        <source>答え入力欄の高さは 1 ～ 100 の間で指定してください。</source>
        <translation>Please give an answer field height from 1 to 100.</translation>
    </message>
    <message>
        <source>終了は %1 ～ %2 の間で指定してください。</source>
        <translation>Please give an end from %1 to %2.</translation>
    </message>
    <message>
        <source>編集中のデータは保存されていません。保存しますか？</source>
        <translation>The data being edited has not been saved. Save it?</translation>
    </message>
    <message>
        <source>行</source>
        <translation>lines</translation>
    </message>
    <message>
        <source>行番号</source>
        <translation>line numbers</translation>
    </message>
    <message>
        <source>解答欄の高さ(&amp;N)</source>
        <translation>Answer field he&amp;ight</translation>
    </message>
    <message>
        <source>解答開始時間</source>
        <translation>Answer start time</translation>
    </message>
    <message>
        <source>解答開始時間(&amp;N)</source>
        <translation>&amp;Answer start time</translation>
    </message>
    <message>
        <source>解答開始時間は 0 ～ 32767 の間で指定してください。</source>
        <translation>Please give an answer start time from 0 to 32767.</translation>
    </message>
    <message>
        <source>記述</source>
        <translation>None (written answers)</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>読み込み直して反映(&amp;R)</source>
        <translation>&amp;Read Again and Record</translation>
    </message>
    <message>
        <source>追加選択</source>
        <translation>Add to the selection</translation>
    </message>
    <message>
        <source>選択肢%1</source>
        <translation>Choice %1</translation>
    </message>
    <message>
        <source>選択解除</source>
        <translation>Deselect</translation>
    </message>
    <message>
        <source>開始は %1 ～ %2 の間で指定してください。</source>
        <translation>Please give a start from %1 to %2.</translation>
    </message>
    <message>
        <source>項目「グループ」が複数設定されています。</source>
        <translation>More than one column is imported as “Group”.</translation>
    </message>
    <message>
        <source>項目「コメント」が複数設定されています。</source>
        <translation>More than one column is imported as “Comment”.</translation>
    </message>
    <message>
        <source>項目「ヒント」が複数設定されています。</source>
        <translation>More than one column is imported as “Hint”.</translation>
    </message>
    <message>
        <source>項目「問題」が複数設定されています。</source>
        <translation>More than one column is imported as “Question”.</translation>
    </message>
    <message>
        <source>項目「答え」が複数設定されています。</source>
        <translation>More than one column is imported as “Answer”.</translation>
    </message>
    <message>
        <source>（読み取り専用）</source>
        <translation> (read-only)</translation>
    </message>
    <message>
        <source>？</source>
        <translation>?</translation>
    </message>
    <message>
        <source>？？？</source>
        <translation>???</translation>
    </message>
    <message>
        <source>グループ名が多すぎます。11 個目からのグループ名の問題はグループ 0 に入ります。</source>
        <translation>There are too many group names. The questions of the 11th group name on go into group 0.</translation>
    </message>
    <message>
        <source>%1 %2: 値が有効範囲を超えています。(%3～%4)</source>
        <translation>%1 %2: the value is out of range (%3 to %4).</translation>
    </message>
    <message>
        <source>%1 %2: 数値を指定してください。</source>
        <translation>%1 %2: a number is needed.</translation>
    </message>
    <message>
        <source>%1分%2秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1時間%2分%3秒</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1行</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>1: もう一度  2: 難しい  3: 正解  4: 簡単  (y: 正解  n: もう一度)  s: スキップ  ?: ヒント</source>
        <translation>1: Again  2: Hard  3: Good  4: Easy  (y: Good  n: Again)  s: skip  ?: hint</translation>
    </message>
    <message>
        <source>1日の始まりの時刻は 0 ～ 23 の間で指定してください。</source>
        <translation>The hour the day starts at must be between 0 and 23.</translation>
    </message>
    <message>
        <source>1日の復習の数は 0 ～ 99999 の間で指定してください。</source>
        <translation>Reviews per day must be between 0 and 99999.</translation>
    </message>
    <message>
        <source>1日の新しい問題の数は 0 ～ 9999 の間で指定してください。</source>
        <translation>New questions per day must be between 0 and 9999.</translation>
    </message>
    <message>
        <source>2重丸四角</source>
        <translation>Double rounded</translation>
    </message>
    <message>
        <source>2重四角</source>
        <translation>Double square</translation>
    </message>
    <message>
        <source>PNG でも MNG でもありません</source>
        <translation>neither PNG nor MNG</translation>
    </message>
    <message>
        <source>y: 正解  n: 不正解  s: スキップ  ?: ヒント</source>
        <translation>y: right  n: wrong  s: skip  ?: hint</translation>
    </message>
    <message>
        <source>× 不正解  答え: %1</source>
        <translation>× Wrong  Answer: %1</translation>
    </message>
    <message>
        <source>→ 不正解にしました</source>
        <translation>→ Changed to wrong</translation>
    </message>
    <message>
        <source>→ 正解にしました</source>
        <translation>→ Changed to right</translation>
    </message>
    <message>
        <source>○ 正解  答え: %1</source>
        <translation>○ Right  Answer: %1</translation>
    </message>
    <message>
        <source>「簡単」とする解答時間は 0 ～ 3600 の間で指定してください。</source>
        <translation>The answer time for “Easy” must be between 0 and 3600 seconds.</translation>
    </message>
    <message>
        <source>その機能は実装されていません。</source>
        <translation>That feature is not implemented.</translation>
    </message>
    <message>
        <source>ウィンドウクラスを登録できません。</source>
        <translation>Cannot register the window class.</translation>
    </message>
    <message>
        <source>クリップボードから読み取れません。</source>
        <translation>Cannot read from the clipboard.</translation>
    </message>
    <message>
        <source>グループ:</source>
        <translation>Groups:</translation>
    </message>
    <message>
        <source>タイトル数: %1</source>
        <translation>Titles: %1</translation>
    </message>
    <message>
        <source>ダイアログを表示できません。</source>
        <translation>Cannot show the dialog.</translation>
    </message>
    <message>
        <source>デストラクタが不正呼び出しされました。</source>
        <translation>A destructor was called improperly.</translation>
    </message>
    <message>
        <source>パラメータが不正です。</source>
        <translation>Invalid parameter.</translation>
    </message>
    <message>
        <source>ヒント %1: %2</source>
        <translation>Hint %1: %2</translation>
    </message>
    <message>
        <source>ヒントはありません。</source>
        <translation>No more hints.</translation>
    </message>
    <message>
        <source>ファイルに書き込めません。</source>
        <translation>Cannot write to the file.</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>Cannot read the file.</translation>
    </message>
    <message>
        <source>ファイルバージョン: %1</source>
        <translation>File version: %1</translation>
    </message>
    <message>
        <source>ファイル名: %1</source>
        <translation>File name: %1</translation>
    </message>
    <message>
        <source>ボタンを自動的にクリックするまでの時間は 0 ～ 32767 の間で指定してください。</source>
        <translation>The time before the automatic click must be between 0 and 32767.</translation>
    </message>
    <message>
        <source>ポイントされた答えの色</source>
        <translation>Answer under the mouse</translation>
    </message>
    <message>
        <source>メッセージ: %1</source>
        <translation>Message: %1</translation>
    </message>
    <message>
        <source>メモリ不足です。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>一時ファイルを作成できません: %1</source>
        <translation>Cannot create a temporary file in %1</translation>
    </message>
    <message>
        <source>一行に表示する選択肢の数は 1 ～ 9 の間で指定してください。</source>
        <translation>Choices per line must be between 1 and 9.</translation>
    </message>
    <message>
        <source>中止しました。</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>丸四角</source>
        <translation>Rounded</translation>
    </message>
    <message>
        <source>予期しないエラーです。</source>
        <translation>Unexpected error.</translation>
    </message>
    <message>
        <source>今日復習する問題はありません。%1</source>
        <translation>Nothing to review today. %1</translation>
    </message>
    <message>
        <source>内線</source>
        <translation>Inset</translation>
    </message>
    <message>
        <source>再学習の%1</source>
        <translation>Relearning steps: %1</translation>
    </message>
    <message>
        <source>出題履歴一覧のサイズは 0 ～ 32767 の間で指定してください。</source>
        <translation>The maximum size of the exam history must be between 0 and 32767.</translation>
    </message>
    <message>
        <source>出題数を入力してください (1～%1, 空行で %2):</source>
        <translation>How many questions? (1 to %1; an empty line for %2):</translation>
    </message>
    <message>
        <source>出題画面</source>
        <translation>Study screen</translation>
    </message>
    <message>
        <source>出題範囲に問題がありません。</source>
        <translation>There are no questions in the range.</translation>
    </message>
    <message>
        <source>印刷時にエラーが発生しました。</source>
        <translation>An error occurred while printing.</translation>
    </message>
    <message>
        <source>問題 %1: %2</source>
        <translation>Question %1: %2</translation>
    </message>
    <message>
        <source>問題が選択されていません。</source>
        <translation>No question is selected.</translation>
    </message>
    <message>
        <source>問題数: %1</source>
        <translation>Questions: %1</translation>
    </message>
    <message>
        <source>問題毎の正誤履歴のサイズは 0 ～ 32767 の間で指定してください。</source>
        <translation>Right/wrong history entries per question must be between 0 and 32767.</translation>
    </message>
    <message>
        <source>四角</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>変更できる判定がありません。</source>
        <translation>There is no judgement to change.</translation>
    </message>
    <message>
        <source>外線</source>
        <translation>Outset</translation>
    </message>
    <message>
        <source>山線</source>
        <translation>Ridge</translation>
    </message>
    <message>
        <source>文字コード: %1</source>
        <translation>Encoding: %1</translation>
    </message>
    <message>
        <source>最大の間隔は 1 ～ 36500 の間で指定してください。</source>
        <translation>The maximum interval must be between 1 and 36500.</translation>
    </message>
    <message>
        <source>標準出力に書き込めません。</source>
        <translation>cannot write to standard output.</translation>
    </message>
    <message>
        <source>添字が範囲外です。</source>
        <translation>Index out of range.</translation>
    </message>
    <message>
        <source>画像として読み込めません</source>
        <translation>cannot be read as an image</translation>
    </message>
    <message>
        <source>番号を %1 つ選んでください:</source>
        <translation>Choose %1 numbers:</translation>
    </message>
    <message>
        <source>番号を選んでください:</source>
        <translation>Choose a number:</translation>
    </message>
    <message>
        <source>目標の記憶率は 70 ～ 99 の間で指定してください。</source>
        <translation>Desired retention must be between 70 and 99.</translation>
    </message>
    <message>
        <source>答え %1:</source>
        <translation>Answer %1:</translation>
    </message>
    <message>
        <source>答え: %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>答え:</source>
        <translation>Answer:</translation>
    </message>
    <message>
        <source>答えダイアログの基準幅は 260 ～ 32767 の間で指定してください。</source>
        <translation>The answer dialog&apos;s base width must be between 260 and 32767.</translation>
    </message>
    <message>
        <source>答えダイアログの基準高さは 150 ～ 32767 の間で指定してください。</source>
        <translation>The answer dialog&apos;s base height must be between 150 and 32767.</translation>
    </message>
    <message>
        <source>結果: %1  出題数 %2  正解 %3  不正解 %4  正解率 %5  所要時間 %6</source>
        <translation>Result: %1  Asked %2  Right %3  Wrong %4  Rate %5  Time %6</translation>
    </message>
    <message>
        <source>行数: %1</source>
        <translation>Lines: %1</translation>
    </message>
    <message>
        <source>行間は 0 ～ 32767 の間で指定してください。</source>
        <translation>Line spacing must be between 0 and 32767.</translation>
    </message>
    <message>
        <source>表示時間は 0 ～ 32767 の間で指定してください。</source>
        <translation>The view time must be between 0 and 32767.</translation>
    </message>
    <message>
        <source>谷線</source>
        <translation>Groove</translation>
    </message>
    <message>
        <source>選択された答えの色</source>
        <translation>Chosen answer</translation>
    </message>
    <message>
        <source>選択肢の数は 1 ～ 9 の間で指定してください。</source>
        <translation>The number of choices must be between 1 and 9.</translation>
    </message>
    <message>
        <source>選択肢ボタンの高さは 1 ～ 100 の間で指定してください。</source>
        <translation>The choice button height must be between 1 and 100.</translation>
    </message>
    <message>
        <source>間違えた問題を再出題しますか？ (r で再出題)</source>
        <translation>Ask the missed questions again? (r to retry)</translation>
    </message>
    <message>
        <source>－ スキップ  答え: %1</source>
        <translation>－ Skipped  Answer: %1</translation>
    </message>
    <message>
        <source>10月</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>11月</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>12月</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>1月</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>2月</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>3月</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>4月</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>5月</source>
        <translation>May</translation>
    </message>
    <message>
        <source>6月</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>7月</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>8月</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>9月</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All in order</translation>
    </message>
    <message>
        <source>すべての問題を再出題</source>
        <translation>Re-ask all questions</translation>
    </message>
    <message>
        <source>すべての問題を再出題(ランダム)</source>
        <translation>Re-ask all questions (random)</translation>
    </message>
    <message>
        <source>ファイルを読み込むには，「ファイル」メニューの「開く」を実行して下さい。</source>
        <translation>To read a file, choose Open on the File menu.</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>ランダム(すべて)</source>
        <translation>Random (all)</translation>
    </message>
    <message>
        <source>ランダム(一度出題した問題は出題しない)</source>
        <translation>Random (no question twice)</translation>
    </message>
    <message>
        <source>ランダム(完全)</source>
        <translation>Random (complete)</translation>
    </message>
    <message>
        <source>ランダム(弱点問題)</source>
        <translation>Random (weak points)</translation>
    </message>
    <message>
        <source>ランダム(弱点問題)(一度出題した問題は出題しない)</source>
        <translation>Random (weak points, no question twice)</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>出題範囲を指定するには，「学習」メニューの「出題範囲」を実行して下さい。</source>
        <translation>To choose the questions asked, choose Question Range on the Study menu.</translation>
    </message>
    <message>
        <source>復習</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>徹底的に暗記したいときは，「完全」を実行します。範囲内の問題をすべて正解するまで終わりません。</source>
        <translation>To learn by heart thoroughly, choose Complete. It does not end until every question in the range has been answered right.</translation>
    </message>
    <message>
        <source>最近間違えた問題を中心に出題したいときは，「弱点問題」を実行します。</source>
        <translation>To be asked mostly what you got wrong lately, choose Weak Points.</translation>
    </message>
    <message>
        <source>標準モードでは，データファイル指定の形式で解答します。</source>
        <translation>In normal mode, each question is answered the way the data file asks for.</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>確認モードでは，「答え」ボタンをクリックすると答えが表示され，自分で正解／不正解を決められます。</source>
        <translation>In confirm mode, the Answer button shows the answer, and you decide yourself whether you were right.</translation>
    </message>
    <message>
        <source>記述式</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>記述式モードにすると，すべての問題を記述式で出題します。</source>
        <translation>In written mode, every question asks for a written answer.</translation>
    </message>
    <message>
        <source>通常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>選択された問題を再出題</source>
        <translation>Re-ask the selected questions</translation>
    </message>
    <message>
        <source>選択された問題を再出題(ランダム)</source>
        <translation>Re-ask the selected questions (random)</translation>
    </message>
    <message>
        <source>選択式</source>
        <translation>Choice</translation>
    </message>
    <message>
        <source>選択式モードにすると，すべての問題を選択式で出題します。このとき，「表示」－「カスタマイズ」メニューの「問題」タブの「選択肢」欄で，選択肢を選んでくる問題の種類を指定できます。</source>
        <translation>In choice mode, every question is asked with choices. On the Question page of View &gt; Customize, the Choices box sets which questions the choices are taken from.</translation>
    </message>
    <message>
        <source>間違えた問題を再出題</source>
        <translation>Re-ask the wrong questions</translation>
    </message>
    <message>
        <source>間違えた問題を再出題(ランダム)</source>
        <translation>Re-ask the wrong questions (random)</translation>
    </message>
    <message>
        <source>順番に出題したいときは，「すべて」を実行します。</source>
        <translation>To be asked in order, choose All in Order.</translation>
    </message>
    <message>
        <source>%1%2日(%3)</source>
        <translation>%3 %2 %1</translation>
    </message>
    <message>
        <source>%1問</source>
        <translation>%1 questions</translation>
    </message>
    <message>
        <source>%1年</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1年%2%3日(%4)</source>
        <translation>%4 %3 %2 %1</translation>
    </message>
    <message>
        <source>%1日(%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1時%2分</source>
        <translation>%1:%3</translation>
    </message>
    <message>
        <source>%1時%2分%3秒</source>
        <translation>%1:%4:%5</translation>
    </message>
    <message>
        <source>(1～%1)</source>
        <translation>(1–%1)</translation>
    </message>
    <message>
        <source>1問</source>
        <translation>1 question</translation>
    </message>
    <message>
        <source>21個の数が必要です (%1個あります)</source>
        <translation>21 numbers are needed (there are %1)</translation>
    </message>
    <message>
        <source>w%1 が負の数です (%2)</source>
        <translation>w%1 is negative (%2)</translation>
    </message>
    <message>
        <source>「%1」は 1m、10m、1h、1d のように書いてください</source>
        <translation>write “%1” as 1m, 10m, 1h or 1d</translation>
    </message>
    <message>
        <source>「%1」は0より長くしてください</source>
        <translation>“%1” must be longer than 0</translation>
    </message>
    <message>
        <source>「%1」は数ではありません</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>「%1」は長すぎます (1年まで)</source>
        <translation>“%1” is too long (a year at most)</translation>
    </message>
    <message>
        <source>このプログラムより新しい版で作られています (版 %1)</source>
        <translation>it was made by a newer version of the program (version %1)</translation>
    </message>
    <message>
        <source>ほかのプログラムが使っています</source>
        <translation>another program is using it</translation>
    </message>
    <message>
        <source>カンマの後に数がありません</source>
        <translation>there is no number after the last comma</translation>
    </message>
    <message>
        <source>カンマの間に数がありません</source>
        <translation>there is no number between two commas</translation>
    </message>
    <message>
        <source>グループ</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>ディスクがいっぱいです</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>データベースのファイルではありません</source>
        <translation>it is not a database file</translation>
    </message>
    <message>
        <source>パラメーターの最適化には %1 件以上の復習が必要です (いまは %2 件です)</source>
        <translation>Fitting the parameters needs at least %1 reviews (there are %2 now)</translation>
    </message>
    <message>
        <source>ファイルが壊れています</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>ファイルの読み書きに失敗しました</source>
        <translation>reading or writing the file failed</translation>
    </message>
    <message>
        <source>ファイルを開けません</source>
        <translation>the file cannot be opened</translation>
    </message>
    <message>
        <source>ファイル名がありません</source>
        <translation>there is no file name</translation>
    </message>
    <message>
        <source>メモリが足りません</source>
        <translation>there is not enough memory</translation>
    </message>
    <message>
        <source>一日の始まり %1 時は 0 から 23 時にしてください</source>
        <translation>the start of the day (%1 o’clock) must be from 0 to 23</translation>
    </message>
    <message>
        <source>今日の復習</source>
        <translation>Due today</translation>
    </message>
    <message>
        <source>再学習中</source>
        <translation>Relearning</translation>
    </message>
    <message>
        <source>出題履歴</source>
        <translation>Exam history</translation>
    </message>
    <message>
        <source>出題履歴ファイルに書き込みできません。</source>
        <translation>Cannot write to the exam history file.</translation>
    </message>
    <message>
        <source>出題方法</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>前の復習から日をまたいだ復習がないため、パラメーターを最適化できません</source>
        <translation>The parameters cannot be fitted: no review came on a later day than the review before it</translation>
    </message>
    <message>
        <source>学習ステップが正しくありません: %1</source>
        <translation>The learning steps are not valid: %1</translation>
    </message>
    <message>
        <source>学習中</source>
        <translation>Learning</translation>
    </message>
    <message>
        <source>安定度 %1日</source>
        <translation>Stability %1 days</translation>
    </message>
    <message>
        <source>復習のパラメーターが正しくありません: %1</source>
        <translation>The review parameters are not valid: %1</translation>
    </message>
    <message>
        <source>復習の時刻が正しくありません</source>
        <translation>the time of the review is not valid</translation>
    </message>
    <message>
        <source>復習の記録のファイルではありません</source>
        <translation>it is not a review log</translation>
    </message>
    <message>
        <source>復習の記録を書き込めません: %1</source>
        <translation>Cannot write the review log: %1</translation>
    </message>
    <message>
        <source>復習の記録を読めません: %1</source>
        <translation>Cannot read the review log: %1</translation>
    </message>
    <message>
        <source>復習中</source>
        <translation>In review</translation>
    </message>
    <message>
        <source>復習前の状態 %1 は 0 から 3 のどれかにしてください</source>
        <translation>the state before the review (%1) must be 0 to 3</translation>
    </message>
    <message>
        <source>想起率 %1%</source>
        <translation>Recall %1%</translation>
    </message>
    <message>
        <source>所要時間</source>
        <translation>Time taken</translation>
    </message>
    <message>
        <source>新しい問題</source>
        <translation>New</translation>
    </message>
    <message>
        <source>日,月,火,水,木,金,土</source>
        <translation>Sun,Mon,Tue,Wed,Thu,Fri,Sat</translation>
    </message>
    <message>
        <source>時差 %1 分は -720 から 840 分にしてください</source>
        <translation>the time zone offset (%1 minutes) must be from -720 to 840 minutes</translation>
    </message>
    <message>
        <source>普通のファイルではありません</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>書き込みが許されていません</source>
        <translation>writing is not permitted</translation>
    </message>
    <message>
        <source>最低%1</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>期日 %1 %2:%3</source>
        <translation>Due %1, %2:%3</translation>
    </message>
    <message>
        <source>次の復習は %1 %2 です。</source>
        <translation>The next review is on %1 at %2.</translation>
    </message>
    <message>
        <source>正解率</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>残り問題</source>
        <translation>Questions left</translation>
    </message>
    <message>
        <source>残り時間</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>減衰 (w20) は 0.1～0.8 にしてください (%1)</source>
        <translation>the decay (w20) must be from 0.1 to 0.8 (%1)</translation>
    </message>
    <message>
        <source>解答モード</source>
        <translation>Answer mode</translation>
    </message>
    <message>
        <source>解答時間が負になっています</source>
        <translation>the answer time is negative</translation>
    </message>
    <message>
        <source>記憶の安定度か難易度が正しくありません</source>
        <translation>the stability or the difficulty is not valid</translation>
    </message>
    <message>
        <source>記録 %1 がありません</source>
        <translation>there is no record %1</translation>
    </message>
    <message>
        <source>評価 %1 は 1 から 4 のどれかにしてください</source>
        <translation>the grade %1 must be 1 to 4</translation>
    </message>
    <message>
        <source>%1。%2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>不正解</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>動画: %1</source>
        <translation>Video: %1</translation>
    </message>
    <message>
        <source>正解</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>画像: %1</source>
        <translation>Picture: %1</translation>
    </message>
    <message>
        <source>第%1問: %2</source>
        <translation>Question %1: %2</translation>
    </message>
    <message>
        <source>終了しました。正解率 %1 (%2問中%3問正解)</source>
        <translation>Finished: %3 of %2 right (%1)</translation>
    </message>
    <message>
        <source>音声: %1</source>
        <translation>Sound: %1</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>出題</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>読み込む</source>
        <translation>Import</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>ヘルプが見つかりません。プログラムを入れ直してください。</source>
        <translation>The help is missing. Please reinstall the program.</translation>
    </message>
</context>
<context>
    <name>ParameterFit</name>
    <message>
        <source>記憶モデルを自分の復習に合わせています...</source>
        <translation>Fitting the memory model to your reviews...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>自分の復習に合わせる</source>
        <translation>Fit to My Reviews</translation>
    </message>
    <message>
        <source>損失 (小さいほど予測が正確です): %1 → %2
予測と比べた復習: %3件</source>
        <translation>Loss (lower means better predictions): %1 → %2
Reviews compared with the predictions: %3</translation>
    </message>
    <message>
        <source>自分の復習に合わせても予測は良くなりませんでした。パラメーターはそのままです。

</source>
        <translation>Fitting to your reviews did not improve the predictions. The parameters stay as they were.

</translation>
    </message>
    <message>
        <source>自分の復習に合わせたパラメーターを使いますか？

</source>
        <translation>Use the parameters fitted to your reviews?

</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>TextFromUser</name>
    <message>
        <source>ファイルは既に存在します。上書きしますか？</source>
        <translation>The file already exists. Do you want to replace it?</translation>
    </message>
</context>
</TS>
