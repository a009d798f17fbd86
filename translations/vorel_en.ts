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
    <name>ColourChooser</name>
    <message>
        <source>色の設定</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>CommandMenus</name>
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
        <source>%1行</source>
        <translation>line %1</translation>
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
        <source>「簡単」とする解答時間は 0 ～ 3600 の間で指定してください。</source>
        <translation>The answer time for “Easy” must be between 0 and 3600 seconds.</translation>
    </message>
    <message>
        <source>その機能は実装されていません。</source>
        <translation>That feature is not implemented.</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
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
        <source>コメントフォント</source>
        <translation>Comment font</translation>
    </message>
    <message>
        <source>タイトルフォント</source>
        <translation>Title font</translation>
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
        <source>ヒントフォント</source>
        <translation>Hint font</translation>
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
        <source>ファイルを開けません。</source>
        <translation>Cannot open the file.</translation>
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
        <source>メモリ不足です。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>一行に表示する選択肢の数は 1 ～ 9 の間で指定してください。</source>
        <translation>Choices per line must be between 1 and 9.</translation>
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
        <source>出題画面</source>
        <translation>Study screen</translation>
    </message>
    <message>
        <source>制限時間は 0 ～ 32767 の間で指定してください。</source>
        <translation>The time limit must be between 0 and 32767.</translation>
    </message>
    <message>
        <source>印刷時にエラーが発生しました。</source>
        <translation>An error occurred while printing.</translation>
    </message>
    <message>
        <source>問題フォント</source>
        <translation>Question font</translation>
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
        <source>外線</source>
        <translation>Outset</translation>
    </message>
    <message>
        <source>山線</source>
        <translation>Ridge</translation>
    </message>
    <message>
        <source>最大の間隔は 1 ～ 36500 の間で指定してください。</source>
        <translation>The maximum interval must be between 1 and 36500.</translation>
    </message>
    <message>
        <source>添字が範囲外です。</source>
        <translation>Index out of range.</translation>
    </message>
    <message>
        <source>目標の記憶率は 70 ～ 99 の間で指定してください。</source>
        <translation>Desired retention must be between 70 and 99.</translation>
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
        <source>答えフォント</source>
        <translation>Answer font</translation>
    </message>
    <message>
        <source>答え入力欄の高さは 1 ～ 100 の間で指定してください。</source>
        <translation>The height of the answer input field must be between 1 and 100.</translation>
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
        <source>解答開始時間は 0 ～ 32767 の間で指定してください。</source>
        <translation>The time before answering starts must be between 0 and 32767.</translation>
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
        <source>%1 %2: 値が有効範囲を超えています。(%3～%4)</source>
        <translation>%1 %2: the value is out of range (%3 to %4).</translation>
    </message>
    <message>
        <source>%1 %2: 数値を指定してください。</source>
        <translation>%1 %2: a number is needed.</translation>
    </message>
    <message>
        <source>1: もう一度  2: 難しい  3: 正解  4: 簡単  (y: 正解  n: もう一度)  s: スキップ  ?: ヒント</source>
        <translation>1: Again  2: Hard  3: Good  4: Easy  (y: Good  n: Again)  s: skip  ?: hint</translation>
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
        <source>グループ:</source>
        <translation>Groups:</translation>
    </message>
    <message>
        <source>タイトル数: %1</source>
        <translation>Titles: %1</translation>
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
        <source>ファイルバージョン: %1</source>
        <translation>File version: %1</translation>
    </message>
    <message>
        <source>ファイル名: %1</source>
        <translation>File name: %1</translation>
    </message>
    <message>
        <source>メッセージ: %1</source>
        <translation>Message: %1</translation>
    </message>
    <message>
        <source>一時ファイルを作成できません: %1</source>
        <translation>Cannot create a temporary file in %1</translation>
    </message>
    <message>
        <source>中止しました。</source>
        <translation>Stopped.</translation>
    </message>
    <message>
        <source>今日復習する問題はありません。%1</source>
        <translation>Nothing to review today. %1</translation>
    </message>
    <message>
        <source>値が有効範囲を超えています。</source>
        <translation>The value is out of range.</translation>
    </message>
    <message>
        <source>出題数を入力してください (1～%1, 空行で %2):</source>
        <translation>How many questions? (1 to %1; an empty line for %2):</translation>
    </message>
    <message>
        <source>出題範囲に問題がありません。</source>
        <translation>There are no questions in the range.</translation>
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
        <source>変更できる判定がありません。</source>
        <translation>There is no judgement to change.</translation>
    </message>
    <message>
        <source>文字コード: %1</source>
        <translation>Encoding: %1</translation>
    </message>
    <message>
        <source>標準出力に書き込めません。</source>
        <translation>cannot write to standard output.</translation>
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
        <source>結果: %1  出題数 %2  正解 %3  不正解 %4  正解率 %5  所要時間 %6</source>
        <translation>Result: %1  Asked %2  Right %3  Wrong %4  Rate %5  Time %6</translation>
    </message>
    <message>
        <source>行数: %1</source>
        <translation>Lines: %1</translation>
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
