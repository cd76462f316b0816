<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Quillet</source>
        <translation>Quillet について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A writing assistant for English.</source>
        <translation>英文ライティング支援ツール</translation>
    </message>
    <message>
        <source>Questions, ideas or trouble with a review? We would like to hear from you.</source>
        <translation>ご質問やご意見、校正で困ったことがあれば、ぜひお聞かせください。</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AccessDlg</name>
    <message>
        <source>Sign up</source>
        <translation>新規登録</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Proxy settings</source>
        <translation>プロキシ設定</translation>
    </message>
    <message>
        <source>email</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>confirm password</source>
        <translation>パスワード（確認）</translation>
    </message>
    <message>
        <source>By clicking the button above, you agree to our &lt;a href=&quot;%1&quot;&gt;Terms of Service&lt;/a&gt;.</source>
        <translation>上のボタンをクリックすると、&lt;a href=&quot;%1&quot;&gt;利用規約&lt;/a&gt;に同意したものとみなされます。</translation>
    </message>
    <message>
        <source>username/email</source>
        <translation>ユーザー名/メールアドレス</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>ログイン情報を保存</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>パスワードをお忘れですか？</translation>
    </message>
    <message>
        <source>Incorrect username/password combination.</source>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Request timed out. Please retry. You may need to diagnose your network connection if the problem lingers.</source>
        <translation>要求がタイムアウトしました。もう一度お試しください。問題が解決しない場合は、ネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>or</source>
        <translation>または</translation>
    </message>
    <message>
        <source>Log in with Facebook</source>
        <translation>Facebook でログイン</translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation>Sina Weibo</translation>
    </message>
    <message>
        <source>Signing up...</source>
        <translation>登録しています…</translation>
    </message>
    <message>
        <source>Invalid Email address.</source>
        <translation>メールアドレスが正しくありません。</translation>
    </message>
    <message>
        <source>Email address already taken.</source>
        <translation>このメールアドレスはすでに登録されています。</translation>
    </message>
    <message>
        <source>Connection error. Check out your network status and proxy setup, and try again.</source>
        <translation>接続エラーです。ネットワークの状態とプロキシ設定を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Connection error. Please retry.</source>
        <translation>接続エラーです。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Your password contains invalid character(s). Please use ASCII characters only.</source>
        <translation>パスワードに使用できない文字が含まれています。半角英数字と記号（ASCII 文字）のみを使用してください。</translation>
    </message>
    <message>
        <source>Password must be no more than 16 characters in length.</source>
        <translation>パスワードは 16 文字以内で入力してください。</translation>
    </message>
    <message>
        <source>Password must be at least 6 characters in length.</source>
        <translation>パスワードは 6 文字以上で入力してください。</translation>
    </message>
    <message>
        <source>Passwords did not match. Please try again.</source>
        <translation>パスワードが一致しません。もう一度入力してください。</translation>
    </message>
</context>
<context>
    <name>AuthorizationWindow</name>
    <message>
        <source>Log in with Facebook</source>
        <translation>Facebook でログイン</translation>
    </message>
    <message>
        <source>Log in with Sina Weibo</source>
        <translation>Sina Weibo でログイン</translation>
    </message>
</context>
<context>
    <name>ClickableLabel</name>
    <message>
        <source>Suggestion for &quot;%1&quot;. Click to apply it.</source>
        <translation>「%1」の候補です。クリックすると適用します。</translation>
    </message>
</context>
<context>
    <name>CorrectionItem</name>
    <message>
        <source>Insert: </source>
        <translation>挿入：</translation>
    </message>
    <message>
        <source>Delete: </source>
        <translation>削除：</translation>
    </message>
</context>
<context>
    <name>CorrectionPanel</name>
    <message>
        <source>Request timed out. Please retry. You may need to diagnose your network connection if the problem lingers.</source>
        <translation>要求がタイムアウトしました。もう一度お試しください。問題が解決しない場合は、ネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中国語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Enrichments suggest better word choices to avoid overuse of simple words, repetition or ambiguity.</source>
        <translation>表現の提案では、簡単な単語の使いすぎ、繰り返し、あいまいな表現を避けるために、より適切な語を勧めます。</translation>
    </message>
    <message>
        <source>A word will be highlighted and flagged as &quot;Confused Words&quot; if Quillet thinks you meant some other word(s) that better fits in here (with higher probability).
Please note that there&apos;s a common possibility the word flagged as &quot;Confused Words&quot; is correct after all and is indeed what you want to say here.</source>
        <translation>ここでは別の語のほうが適切である可能性が高いと Quillet が判断すると、その語は「混同しやすい語」として強調表示されます。
ただし、「混同しやすい語」とされた語が実は正しく、言いたいことをそのまま表している場合もよくあります。</translation>
    </message>
    <message>
        <source>This option may contain profanity. Please use with caution.</source>
        <translation>この候補には不適切な表現が含まれている可能性があります。注意して使用してください。</translation>
    </message>
    <message>
        <source>&lt;body&gt;Loading...&lt;/body&gt;</source>
        <translation>&lt;body&gt;読み込んでいます…&lt;/body&gt;</translation>
    </message>
</context>
<context>
    <name>CorrectionPanelClass</name>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Add to Glossary</source>
        <translation>用語集に追加</translation>
    </message>
    <message>
        <source>Exchange languages</source>
        <translation>言語を入れ替え</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>説明</translation>
    </message>
</context>
<context>
    <name>CustomContextMenu</name>
    <message>
        <source>This option may contain profanity. Please use with caution.</source>
        <translation>この候補には不適切な表現が含まれている可能性があります。注意して使用してください。</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>Add to Glossary</source>
        <translation>用語集に追加</translation>
    </message>
</context>
<context>
    <name>CustomMenuBar</name>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開く…</translation>
    </message>
    <message>
        <source>Open local file</source>
        <translation>ローカルファイルを開く</translation>
    </message>
    <message>
        <source>Open from Evernote</source>
        <translation>Evernote から開く</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>最近使ったファイル</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>Save to local file</source>
        <translation>ローカルファイルに保存</translation>
    </message>
    <message>
        <source>Save to Evernote</source>
        <translation>Evernote に保存</translation>
    </message>
    <message>
        <source>Document templates</source>
        <translation>文書テンプレート</translation>
    </message>
    <message>
        <source>User center</source>
        <translation>ユーザーセンター</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
    <message>
        <source>About Quillet</source>
        <translation>Quillet について</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Close Quillet</source>
        <translation>Quillet を終了</translation>
    </message>
</context>
<context>
    <name>CustomTextEditor</name>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>The text to review. After a review, each flagged word has a suggestion under it.</source>
        <translation>校正するテキストです。校正の後、指摘された各語の下に候補が表示されます。</translation>
    </message>
</context>
<context>
    <name>DocumentNaming</name>
    <message>
        <source>All supported files (*.txt *.doc *.docx)</source>
        <translation>対応するすべてのファイル (*.txt *.doc *.docx)</translation>
    </message>
    <message>
        <source>Text document(*.txt)</source>
        <translation>テキスト文書(*.txt)</translation>
    </message>
    <message>
        <source>Word document(*.docx)</source>
        <translation>Word 文書(*.docx)</translation>
    </message>
    <message>
        <source>Word 97-2003 document(*.doc)</source>
        <translation>Word 97-2003 文書(*.doc)</translation>
    </message>
</context>
<context>
    <name>EvernoteListFrame</name>
    <message>
        <source>Open from Evernote</source>
        <translation>Evernote から開く</translation>
    </message>
    <message>
        <source>Search notes</source>
        <translation>ノートを検索</translation>
    </message>
    <message>
        <source>Failed to load the requested note. Press &quot;RELOAD&quot; and please try again.</source>
        <translation>ノートを読み込めませんでした。「再読み込み」を押して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
</context>
<context>
    <name>EvernoteProgressFrame</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Connection error. Please retry.</source>
        <translation>接続エラーです。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Authorize in process...</source>
        <translation>認証中...</translation>
    </message>
    <message>
        <source>Fail to authorize.</source>
        <translation>認証に失敗しました。</translation>
    </message>
    <message>
        <source>Getting access token...</source>
        <translation>アクセストークンを取得中...</translation>
    </message>
    <message>
        <source>Fail to get access token.</source>
        <translation>アクセストークンを取得できませんでした。</translation>
    </message>
    <message>
        <source>Generating note url...</source>
        <translation>ノートのアドレスを生成中...</translation>
    </message>
    <message>
        <source>Creating note...</source>
        <translation>ノートを作成中...</translation>
    </message>
    <message>
        <source>Fetching notes...</source>
        <translation>ノートを取得中...</translation>
    </message>
    <message>
        <source>Successfully saved to Evernote.</source>
        <translation>Evernote に保存しました。</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to connection error.</source>
        <translation>接続エラーのため、Evernote に保存できませんでした。</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to monthly quota has run out for the given account.</source>
        <translation>このアカウントの今月のアップロード上限に達したため、Evernote に保存できませんでした。</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to excess of the per-note size limit.</source>
        <translation>ノートのサイズ上限を超えたため、Evernote に保存できませんでした。</translation>
    </message>
    <message>
        <source>Saving to Evernote has failed due to unexpected error.</source>
        <translation>予期しないエラーのため、Evernote に保存できませんでした。</translation>
    </message>
    <message>
        <source>Open from Evernote has failed due to connection error.</source>
        <translation>接続エラーのため、Evernote から開けませんでした。</translation>
    </message>
    <message>
        <source>Open from Evernote has failed due to excess of the per-note size limit or illegal format.</source>
        <translation>ノートのサイズ上限を超えているか形式が正しくないため、Evernote から開けませんでした。</translation>
    </message>
    <message>
        <source>Open from Evernote has failed due to unexpected error.</source>
        <translation>予期しないエラーのため、Evernote から開けませんでした。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>EvernoteWindow</name>
    <message>
        <source>Authorize Quillet</source>
        <translation>Quillet を認証</translation>
    </message>
</context>
<context>
    <name>MainWnd</name>
    <message>
        <source>Saving the Word 97-2003 document...</source>
        <translation>Word 97-2003 文書を保存しています...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>キャンセルしています...</translation>
    </message>
    <message>
        <source>Oops, nobody answered. There&apos;s a connection error or Quillet is not home right now.			   

Please check your network connection. You may need to use proxy under certain circumstances.</source>
        <translation>応答がありません。接続エラーが起きたか、Quillet のサービスに現在つながりません。

ネットワーク接続を確認してください。環境によってはプロキシの設定が必要です。</translation>
    </message>
    <message>
        <source>Sorry, your request surpassed  Quillet usage limit (10,000 words per submit). Please shorten your text and try again.</source>
        <translation>申し訳ありません。Quillet の利用制限（1 回の送信につき 10,000 語まで）を超えています。文章を短くしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sorry, your request surpassed  Quillet usage limit (30,000 words per minute). Please try again later.</source>
        <translation>申し訳ありません。Quillet の利用制限（1 分間に 30,000 語まで）を超えています。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Words:</source>
        <translation>語数：</translation>
    </message>
    <message>
        <source>Errors:</source>
        <translation>誤り：</translation>
    </message>
    <message>
        <source>Suggestions:</source>
        <translation>提案：</translation>
    </message>
    <message>
        <source>(Disabled)</source>
        <translation>（オフ）</translation>
    </message>
    <message>
        <source>Oops...Quillet has no suggestions for your current text. Either you wrote brilliantly, or Quillet is not smart enough.</source>
        <translation>おや……Quillet からこの文章への提案はありません。とてもよく書けているか、Quillet の力が及ばなかったかのどちらかです。</translation>
    </message>
    <message>
        <source>Log in session expired. Please log in again to continue using Quillet. </source>
        <translation>ログインの有効期限が切れました。Quillet を引き続き使うには、もう一度ログインしてください。</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>All flagged errors will be replaced with the top correction option shown right beneath it. Proceed anyway?</source>
        <translation>マークされたすべての誤りを、そのすぐ下に表示されている第一候補に置き換えます。よろしいですか？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Your current text will be cleared. Proceed?</source>
        <translation>現在の文章を消去します。よろしいですか？</translation>
    </message>
    <message>
        <source>Successfully copied.</source>
        <translation>コピーしました。</translation>
    </message>
    <message>
        <source>Your software crashed unexpectedly. Text recovered and loaded for you before the crash.</source>
        <translation>プログラムが予期せず終了しました。終了前の文章を復元して読み込みました。</translation>
    </message>
    <message>
        <source>Your current text will be lost if not saved. Proceed anyway?</source>
        <translation>保存しないと現在の文章は失われます。続行しますか？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Your current text will be lost without being saved. Confirm log out?</source>
        <translation>保存しないと現在の文章は失われます。ログアウトしますか？</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>The current text will be replaced. You may lose all edits if not saved. Proceed?</source>
        <translation>現在の文章が置き換えられます。保存していない編集内容はすべて失われます。続行しますか？</translation>
    </message>
    <message>
        <source>Failed to load file. Either the file doesn&apos;t exist, or the file format is not supported.</source>
        <translation>ファイルを読み込めませんでした。ファイルが存在しないか、対応していない形式です。</translation>
    </message>
    <message>
        <source>Failed to save file.</source>
        <translation>ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>Failed to save file.
Either you&apos;re trying to over-write a file which is in use. Or you may have to install Office first.</source>
        <translation>ファイルを保存できませんでした。
使用中のファイルを上書きしようとしているか、先に Office ソフトをインストールする必要があります。</translation>
    </message>
    <message>
        <source>Successfully saved.</source>
        <translation>保存しました。</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ProgressOverlay</name>
    <message>
        <source>Reviewing your text...</source>
        <translation>文章を校正しています…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ProxyPanel</name>
    <message>
        <source>No proxy</source>
        <translation>プロキシなし</translation>
    </message>
    <message>
        <source>Browser built-in proxy</source>
        <translation>ブラウザーのプロキシ</translation>
    </message>
    <message>
        <source>Proxy type</source>
        <translation>プロキシの種類</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>ドメイン</translation>
    </message>
    <message>
        <source>Check proxy settings</source>
        <translation>プロキシ設定を確認</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>確認しています…</translation>
    </message>
    <message>
        <source>Valid proxy.</source>
        <translation>プロキシは有効です。</translation>
    </message>
    <message>
        <source>Invalid proxy.</source>
        <translation>プロキシは無効です。</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Apply all</source>
        <translation>すべて適用</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Copy all</source>
        <translation>すべてコピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>すべて消去</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Search or Translate</source>
        <translation>検索・翻訳</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Side panel</source>
        <translation>サイドパネル</translation>
    </message>
    <message>
        <source>Network connection fails</source>
        <translation>ネットワークに接続できません</translation>
    </message>
    <message>
        <source>Updates available</source>
        <translation>アップデートがあります</translation>
    </message>
</context>
<context>
    <name>ReportFrame</name>
    <message>
        <source>Troll</source>
        <translation>トロール並</translation>
    </message>
    <message>
        <source>Dreadful</source>
        <translation>落第</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>不可</translation>
    </message>
    <message>
        <source>Acceptable</source>
        <translation>可</translation>
    </message>
    <message>
        <source>Exceeds Expectations</source>
        <translation>良</translation>
    </message>
    <message>
        <source>Outstanding</source>
        <translation>優</translation>
    </message>
    <message>
        <source>%1 mistake(s) found</source>
        <translation>誤り %1 件</translation>
    </message>
    <message>
        <source>%1 word(s) in %2 sentence(s)</source>
        <translation>%2 文、%1 語</translation>
    </message>
    <message>
        <source>%1 word(s) per sentence</source>
        <translation>1 文あたり %1 語</translation>
    </message>
    <message>
        <source>(Disabled)</source>
        <translation>（オフ）</translation>
    </message>
    <message>
        <source>%1 suggestion(s) made</source>
        <translation>提案 %1 件</translation>
    </message>
    <message>
        <source>A1 (Breakthrough)</source>
        <translation>A1（入門）</translation>
    </message>
    <message>
        <source>A2 (Waystage)</source>
        <translation>A2（初級）</translation>
    </message>
    <message>
        <source>B1 (Threshold)</source>
        <translation>B1（中級）</translation>
    </message>
    <message>
        <source>B2 (Vantage)</source>
        <translation>B2（中上級）</translation>
    </message>
    <message>
        <source>C1 (Effective Operational Proficiency)</source>
        <translation>C1（上級）</translation>
    </message>
    <message>
        <source>C2 (Mastery)</source>
        <translation>C2（熟達）</translation>
    </message>
    <message>
        <source>BASE</source>
        <extracomment>Exam levels of the Chinese interface: high-school English, College English Test bands 4 and 6, IELTS, TOEFL, GRE. Only the Chinese interface shows them.</extracomment>
        <translation>高校</translation>
    </message>
    <message>
        <source>CET4</source>
        <translation>CET-4</translation>
    </message>
    <message>
        <source>CET6</source>
        <translation>CET-6</translation>
    </message>
    <message>
        <source>IELTS</source>
        <translation>IELTS</translation>
    </message>
    <message>
        <source>TOEFL</source>
        <translation>TOEFL</translation>
    </message>
    <message>
        <source>GRE</source>
        <translation>GRE</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>C2</source>
        <translation>C2</translation>
    </message>
</context>
<context>
    <name>ReportFrameClass</name>
    <message>
        <source>Spelling Mistakes</source>
        <translation>スペルミス</translation>
    </message>
    <message>
        <source>Grammar Mistakes</source>
        <translation>文法の誤り</translation>
    </message>
    <message>
        <source>Other Mistakes</source>
        <translation>その他の誤り</translation>
    </message>
    <message>
        <source>%1 mistake(s) found</source>
        <translation>誤り %1 件</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>語彙</translation>
    </message>
    <message>
        <source>(Too simple to tell.)</source>
        <translation>（文章が簡単すぎて評価できません。）</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>文の構造</translation>
    </message>
    <message>
        <source>vocabulary level</source>
        <translation>語彙レベル</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>C1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>C2</source>
        <translation>C2</translation>
    </message>
    <message>
        <source>Total Suggestions</source>
        <translation>提案の総数</translation>
    </message>
    <message>
        <source>Word and Sentence Count</source>
        <translation>語数と文数</translation>
    </message>
    <message>
        <source>Average Length</source>
        <translation>平均文長</translation>
    </message>
    <message>
        <source>Share my result</source>
        <translation>結果を共有</translation>
    </message>
    <message>
        <source>Tell your friends about Quillet</source>
        <translation>Quillet を友達に紹介する</translation>
    </message>
</context>
<context>
    <name>SamplePrompt</name>
    <message>
        <source>Not sure what to write? Click here to try a sample text.</source>
        <translation>何を書けばよいか迷ったら、ここをクリックしてサンプル文章を試してください。</translation>
    </message>
</context>
<context>
    <name>SettingFrame</name>
    <message>
        <source>Unfortunately, the request failed.&lt;br /&gt;Fortunately, you can always visit &lt;a style=&apos;color:#00c8ff;&apos; href=&apos;%1&apos;&gt;our website&lt;/a&gt; to download the latest version.</source>
        <translation>申し訳ありませんが、要求に失敗しました。&lt;br /&gt;最新版はいつでも&lt;a style=&apos;color:#00c8ff;&apos; href=&apos;%1&apos;&gt;ウェブサイト&lt;/a&gt;からダウンロードできます。</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source> Automatically jump to the next flagged error, when done with correcting the previous one.</source>
        <translation> 誤りを 1 つ直したら、次のマークされた誤りへ自動的に移動する。</translation>
    </message>
    <message>
        <source>Show me enrichment suggestions beside grammar/spelling corrections.</source>
        <translation>文法・スペルの訂正に加えて、表現の提案も表示する。</translation>
    </message>
    <message>
        <source>Show me &quot;Correction Statistics&quot; after each grammar check.</source>
        <translation>校正のたびに「訂正の統計」を表示する。</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Please restart Quillet after changing the language setting</source>
        <translation>言語の設定を変更したら Quillet を再起動してください</translation>
    </message>
    <message>
        <source>Restart Quillet</source>
        <translation>Quillet を再起動</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>アップデートを確認しています…</translation>
    </message>
    <message>
        <source>You&apos;re now running the latest version.</source>
        <translation>最新バージョンを使用しています。</translation>
    </message>
    <message>
        <source>available</source>
        <translation>が利用できます</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>今すぐアップデート</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Text size:</source>
        <translation>文字サイズ:</translation>
    </message>
    <message>
        <source>System size</source>
        <translation>システムのサイズ</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字サイズ</translation>
    </message>
</context>
<context>
    <name>Titlebar</name>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元のサイズに戻す</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>TutorialOverlay</name>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>始める</translation>
    </message>
    <message>
        <source>Welcome to Quillet</source>
        <translation>Quillet へようこそ</translation>
    </message>
    <message>
        <source>Type or paste your English text into the editor, or open a document.</source>
        <translation>エディターに英文を入力するか貼り付けてください。文書を開くこともできます。</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Press Review. Quillet checks every sentence and colours each word it would change.</source>
        <translation>「校正」を押すと、Quillet がすべての文をチェックし、直したほうがよい語に色を付けます。</translation>
    </message>
    <message>
        <source>One click to correct</source>
        <translation>ワンクリックで訂正</translation>
    </message>
    <message>
        <source>The best correction sits in a small label under the word: click it to apply. The side panel shows more choices and explains the rule.</source>
        <translation>最適な訂正候補は語の下の小さなラベルに表示されます。クリックすると適用されます。サイドパネルには他の候補と文法規則の説明が表示されます。</translation>
    </message>
    <message>
        <source>Ready?</source>
        <translation>準備はいいですか？</translation>
    </message>
    <message>
        <source>Press Go and start writing.</source>
        <translation>「始める」を押して、書き始めましょう。</translation>
    </message>
</context>
<context>
    <name>WindowAccessibility</name>
    <message>
        <source>Text position</source>
        <translation>テキストの位置</translation>
    </message>
    <message>
        <source>Opens a text or Word document (Ctrl+O).</source>
        <translation>テキストまたは Word の文書を開きます (Ctrl+O)。</translation>
    </message>
    <message>
        <source>Checks the text and flags errors (F7). F8 and Shift+F8 move between the flagged words; Ctrl+Return applies the suggestion of the current one.</source>
        <translation>テキストを校正して誤りを指摘します (F7)。F8 と Shift+F8 で指摘箇所を移動し、Ctrl+Enter で現在の箇所の候補を適用します。</translation>
    </message>
    <message>
        <source>Applies the first suggestion of every flagged word.</source>
        <translation>指摘されたすべての語に最初の候補を適用します。</translation>
    </message>
    <message>
        <source>Saves the text as a document (Ctrl+S).</source>
        <translation>テキストを文書として保存します (Ctrl+S)。</translation>
    </message>
    <message>
        <source>Copies the whole text.</source>
        <translation>テキスト全体をコピーします。</translation>
    </message>
    <message>
        <source>Pastes the clipboard&apos;s text.</source>
        <translation>クリップボードのテキストを貼り付けます。</translation>
    </message>
    <message>
        <source>Removes the whole text.</source>
        <translation>テキスト全体を消去します。</translation>
    </message>
    <message>
        <source>Shows the statistics of the last review.</source>
        <translation>前回の校正の統計を表示します。</translation>
    </message>
    <message>
        <source>Shows the side panel with the current suggestion&apos;s explanation.</source>
        <translation>現在の候補の説明を載せたサイドパネルを表示します。</translation>
    </message>
    <message>
        <source>Flagged: &quot;%1&quot;.</source>
        <translation>指摘: 「%1」。</translation>
    </message>
    <message>
        <source>Flagged: &quot;%1&quot;. Suggestion: %2.</source>
        <translation>指摘: 「%1」。候補: %2。</translation>
    </message>
</context>
</TS>
